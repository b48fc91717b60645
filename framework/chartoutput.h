#pragma once

#include "surfaceops.h"

#include <QString>

class QPrinter;

namespace kavel {

// Turns a recorded chart into a file or a printed page. Every backend draws
// through the one PainterRenderer, so the screen, the page and the files
// show the same chart.
namespace ChartOutput {

enum class Format { Pdf, Svg, Png, Json };

// The format named by a file's extension; nullopt for any other.
std::optional<Format> formatFor(const QString& path);

// The page: A4 landscape, one chart unit one centimetre from the page's
// top-left corner. Returns an empty text on success, else a message naming
// the file.
QString writePdf(const OpList& ops, const QString& path);
// The picture as the screen shows it: the chart region 30 × 21 cm.
QString writeSvg(const OpList& ops, const QString& path);
QString writePng(const OpList& ops, const QString& path, double dpi = 96);
// JSON Lines: `header` first, then one object per operation.
QString writeJson(const OpList& ops, const QString& path, const QString& header);

// Prints one landscape page on `printer` (set up by the caller: a device or
// a PDF file). Returns an empty text on success, else the printer's error.
QString print(const OpList& ops, QPrinter& printer);

} // namespace ChartOutput

} // namespace kavel
