#pragma once

#include "exportrequest.h"

#include "framework/surface/surfaceops.h"

#include <QString>
#include <QStringList>

#include <memory>

class QGuiApplication;

namespace kavel {

class Viewer;

struct ExportOutcome {
    int status = ExportSucceeded;
    QString error;        // one line; empty on success
    QStringList warnings; // input files that broke off or were missing
    // For standard output: --check, how far each file was read, one line
    // each; --report without -o, the results table.
    QStringList report;
};

// Fonts and the image writers need a QGuiApplication. The export makes one
// only when the command line has passed, so most usage errors stay one line,
// and without a platform chosen by the user it runs offscreen: the export
// never shows a window and works the same with or without a display.
class GuiApplicationScope {
public:
    GuiApplicationScope();
    ~GuiApplicationScope();

private:
    std::unique_ptr<QGuiApplication> m_app;
};

// Draws the viewer's chart on a recording surface: the "3:Plot" chart on
// the screen kind, the "4:Print" page (ended) on the printer kind.
OpList RecordChart(Viewer& viewer, SurfaceKind kind);

// The JSON header line of an export: {"op":"begin","viewer":…,"surface":…}.
QString exportHeader(const QString& viewer, SurfaceKind kind);

// Runs one export: sets the root, starts the viewer as its window does
// (settings, outline, data), applies the options, records the chart and
// writes it. Rendering fonts needs a QGuiApplication.
ExportOutcome runExport(const ExportRequest& request);

} // namespace kavel
