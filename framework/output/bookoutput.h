#pragma once

#include "framework/surface/drawingsurface.h"
#include "framework/surface/surfaceops.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kavel {

// A report of several charts in one PDF: a first page naming what was read,
// then one A4 landscape page per chart, each as writePdf draws it alone, and
// a bookmark per chart.
namespace BookOutput {

// What the first page says about one chart.
struct CoverEntry {
    QString viewer;      // "VALDEN"
    QStringList files;   // the files read, data file first
    QString comment;     // the data file's comment line
    // The viewer's results table, one row a line, where the viewer has one;
    // printed under its files as it is given.
    QStringList results;
};

struct Page {
    QString bookmark;    // the name in the PDF's outline
    OpList ops;          // the recorded chart
    SurfaceKind kind = SurfaceKind::Printer;
    std::optional<QRectF> drawn;
};

// Writes the book whole or not at all. Empty on success, else a message
// naming the file.
QString writePdf(const QString& title, const std::vector<CoverEntry>& cover, const std::vector<Page>& pages, const QString& path);

// Adds an outline (bookmarks) to a PDF as Qt's writer lays it out, as an
// incremental update after its end: entry k opens page k + firstPage (from
// 0). Nullopt when the PDF is not laid out so.
std::optional<QByteArray> withOutline(const QByteArray& pdf, const QStringList& titles, int firstPage);

} // namespace BookOutput

} // namespace kavel
