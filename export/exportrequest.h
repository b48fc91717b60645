#pragma once

#include "framework/output/animationoutput.h"
#include "framework/output/chartoutput.h"
#include "framework/surface/drawingsurface.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace kavel {

// Exit statuses of kavel-export; scripts and acceptance checks rely on them.
enum ExportStatus {
    ExportSucceeded = 0,
    ExportCannotWrite = 1,
    ExportUsageError = 2,
    // --check: the data file did not read to its end, or stopped making
    // sense there (a file of another kind).
    ExportDataIncomplete = 1,
};

// How --report writes the results: an aligned table on standard output
// (no -o), JSON Lines (.json) or CSV (.csv).
enum class ReportFormat { Table, JsonLines, Csv };

// One chart export as the command line asks for it:
//   kavel-export VIEWER [--root DIR] [--data FILE] [--outline FILE]
//       [--settings FILE] [--surface screen|printer]
//       [--option NAME=VALUE[,VALUE…]]… [--check] -o OUT [-o OUT]…
//   kavel-export VIEWER --report [--root DIR] [--data FILE] [--outline FILE]
//       [--settings FILE] [--option NAME=VALUE[,VALUE…]]… [-o OUT]
struct ExportRequest {
    QString viewer;
    QString root;      // empty: KAVEL_ROOT, else ~/Kavel
    QString data;      // empty: the viewer's default data file
    QString outline;   // empty: the fixed rotor model file, where one is read
    QString settings;  // empty: the working settings file (read only)
    SurfaceKind surface = SurfaceKind::Printer;
    std::vector<std::pair<QString, QStringList>> options;
    // Every -o in order: one reading and one recording of the chart serve
    // them all.
    struct Output {
        QString path;
        ChartOutput::Format format = ChartOutput::Format::Pdf;
    };
    std::vector<Output> outputs;
    // --check: how far each file was read, one line each on standard
    // output; the chart is written only when -o is given as well.
    bool check = false;
    // --option animate=1: the chart's animation instead of one still chart.
    bool animate = false;
    AnimationFormat animation = AnimationFormat::Gif;
    // --report: the viewer's engineering results instead of its chart.
    bool report = false;
    ReportFormat reportFormat = ReportFormat::Table;
};

struct ParsedExportArguments {
    std::optional<ExportRequest> request;
    bool help = false;
    bool listViewers = false; // --list-viewers: the built viewers, one a line
    QString error; // a one-line usage error; empty when request or help is set
};

// Parses the arguments after the program name. Only the form is checked
// here (and whether the viewer is built); files and option names are
// checked when the export runs.
ParsedExportArguments parseExportArguments(const QStringList& arguments);

QString exportUsage();

} // namespace kavel
