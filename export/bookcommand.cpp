#include "bookcommand.h"

#include "chartexport.h"
#include "commandarguments.h"
#include "commandpaths.h"
#include "exportrequest.h"
#include "viewerregistry.h"

#include "framework/host/hostpaths.h"
#include "framework/output/bookoutput.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"

#include <QFileInfo>
#include <QTextStream>

#include <map>

namespace kavel {

namespace {

const QString kProgram = QStringLiteral("kavel-export book: ");

struct BookRequest {
    QString root;
    SurfaceKind surface = SurfaceKind::Printer;
    // Per viewer, its options in the order given.
    std::map<QString, std::vector<std::pair<QString, QStringList>>> options;
    QString output;
};

} // namespace

QString bookUsage()
{
    return QStringLiteral(
        "kavel-export book [--root DIR] [--surface printer|screen] [--option VIEWER.NAME=VALUE[,VALUE...]]... -o OUT.pdf\n"
        "            every viewer's chart of the root in one PDF, one page each after a page\n"
        "            naming the files read, with a bookmark per viewer; a viewer whose data\n"
        "            file is missing is left out with a warning\n");
}

int runBookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    BookRequest request;
    auto usageError = [&](const QString& message) {
        err << kProgram << message << Qt::endl;
        return int(ExportUsageError);
    };
    static const CommandSyntax syntax { .valued = { QStringLiteral("--root"), QStringLiteral("--surface"), QStringLiteral("--option"),
                                                    QStringLiteral("-o"), QStringLiteral("--output") } };
    const CommandArguments read = readCommandArguments(arguments, syntax);
    for (const auto& [name, value] : read.arguments) {
        if (name == QLatin1String("--root")) {
            request.root = value;
        } else if (name == QLatin1String("--surface")) {
            if (const QString error = readSurface(value, request.surface); !error.isEmpty())
                return usageError(error);
        } else if (name == QLatin1String("--option")) {
            const qsizetype dot = value.indexOf(QLatin1Char('.'));
            const qsizetype equals = value.indexOf(QLatin1Char('='));
            if (dot <= 0 || equals <= dot + 1)
                return usageError(QStringLiteral("--option takes VIEWER.NAME=VALUE[,VALUE...], not '%1'").arg(value));
            const QString viewer = value.left(dot).toLower();
            if (!ViewerRegistry::builtViewers().contains(viewer))
                return usageError(QStringLiteral("--option %1: no viewer '%2' (one of %3)").arg(value, value.left(dot), ViewerRegistry::builtViewers().join(QStringLiteral(", "))));
            request.options[viewer].emplace_back(value.mid(dot + 1, equals - dot - 1), value.mid(equals + 1).split(QLatin1Char(',')));
        } else {
            request.output = value;
        }
    }
    if (read.help) {
        out << "usage: " << bookUsage() << Qt::flush;
        return ExportSucceeded;
    }
    if (!read.error.isEmpty())
        return usageError(read.error);
    if (request.output.isEmpty())
        return usageError(QStringLiteral("no output file given (-o OUT.pdf)"));
    if (ChartOutput::formatFor(request.output) != ChartOutput::Format::Pdf)
        return usageError(QStringLiteral("the book is a PDF: '%1' does not end in .pdf").arg(request.output));
    if (!request.root.isEmpty()) {
        if (const QString error = CommandPaths::useRoot(request.root); !error.isEmpty())
            return usageError(error);
    }

    const GuiApplicationScope gui;
    std::vector<BookOutput::CoverEntry> cover;
    std::vector<BookOutput::Page> pages;
    QStringList warnings;
    for (const QString& name : ViewerRegistry::builtViewers()) {
        std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name);
        viewer->dataPath = viewer->defaultDataPath();
        if (!QFileInfo(viewer->dataPath).isFile()) {
            warnings.append(QStringLiteral("%1: %2 is missing; the viewer is left out of the book").arg(name, viewer->dataPath));
            continue;
        }
        viewer->readSettings(viewer->workingSettingsPath());
        if (viewer->identity().readsOutline)
            viewer->loadOutline(viewer->outlinePath());
        viewer->loadData(viewer->dataPath);
        // The results inputs the window last had, then the options.
        viewer->readResultsState();
        for (const auto& [option, values] : request.options[name]) {
            if (const std::optional<QString> error = viewer->setResultOption(option, values)) {
                if (!error->isEmpty())
                    return usageError(QStringLiteral("%1 --option %2").arg(name, *error));
                continue;
            }
            if (!viewer->setOption(option, values))
                return usageError(QStringLiteral("%1 does not take --option %2=%3 (its options: %4)")
                                      .arg(name, option, values.join(QLatin1Char(',')), viewer->optionUsage().join(QStringLiteral("  "))));
        }
        for (const ReaderDiagnostic* reading : { &viewer->readings.settings, &viewer->readings.outline, &viewer->readings.data }) {
            if (!reading->complete())
                warnings.append(reading->toString());
        }
        RecordingSurface chart(request.surface);
        if (chart.isPrinter())
            viewer->print(chart);
        else
            viewer->plot(chart);
        const std::optional<QRectF> drawn = viewer->drawnRegion(chart);
        pages.push_back({ viewer->identity().program, chart.takeOps(), request.surface, drawn });
        cover.push_back({ viewer->identity().program, viewer->readingReport().split(QLatin1Char('\n')), viewer->fileComment(), ResultFormat::table(viewer->results()) });
    }
    for (const QString& warning : warnings)
        err << kProgram << "warning: " << warning << Qt::endl;
    if (pages.empty()) {
        err << kProgram << "no viewer's data file is there: nothing to draw, no book written" << Qt::endl;
        return ExportCannotWrite;
    }
    const QString title = QStringLiteral("Kavel design report: %1").arg(HostPaths::root());
    if (const QString error = BookOutput::writePdf(title, cover, pages, request.output); !error.isEmpty()) {
        err << kProgram << error << Qt::endl;
        return ExportCannotWrite;
    }
    return ExportSucceeded;
}

} // namespace kavel
