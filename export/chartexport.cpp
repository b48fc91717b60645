#include "chartexport.h"

#include "framework/output/animationoutput.h"
#include "commandpaths.h"
#include "viewerregistry.h"

#include "framework/host/atomicfile.h"
#include "framework/output/painterrenderer.h"
#include "framework/output/plotteddata.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"

#include <QGuiApplication>

#include <algorithm>

namespace kavel {

namespace {

ExportOutcome usageError(const QString& message)
{
    ExportOutcome outcome;
    outcome.status = ExportUsageError;
    outcome.error = message;
    return outcome;
}

// An option the viewer refuses, with the options it takes.
QString optionError(const Viewer& viewer, const QString& viewerName, const QString& name, const QStringList& values)
{
    const QStringList usage = viewer.exportOptionUsage();
    if (usage.isEmpty())
        return QStringLiteral("%1 has no option %2: it takes none").arg(viewerName, name);
    for (const QString& option : usage) {
        if (option.section(QLatin1Char('='), 0, 0) == name)
            return QStringLiteral("%1 --option %2=%3: the values do not fit %4").arg(viewerName, name, values.join(QLatin1Char(',')), option);
    }
    return QStringLiteral("%1 has no option %2; its options: %3").arg(viewerName, name, usage.join(QStringLiteral("  ")));
}

void noteIncomplete(const ReaderDiagnostic& diagnostic, QStringList& warnings)
{
    if (!diagnostic.complete())
        warnings.append(diagnostic.toString());
}

void drawChart(Viewer& viewer, RecordingSurface& surface)
{
    if (surface.isPrinter())
        viewer.print(surface);
    else
        viewer.plot(surface);
}

const QString kNoAnimation = QStringLiteral("has no animation");

// The frames one by one as the viewer draws them, each written before the
// next is drawn; the first frame fixes the picture's region (a viewer that
// animates covers in it all its frames will sweep).
QString exportAnimation(Viewer& viewer, const ExportRequest& request)
{
    AnimationWriter writer(request.animation, request.outputs.front().path);
    RecordingSurface screen(SurfaceKind::Screen);
    std::optional<QRectF> region;
    QString error;
    const int frames = viewer.drawAnimation(screen, [&] {
        if (!error.isEmpty())
            return;
        if (!region)
            region = shownRegion(viewer.drawnRegion(screen));
        error = writer.addFrame(screen.ops(), *region);
    });
    if (frames == 0)
        return QStringLiteral("%1 %2: --option animate=1 needs a viewer that animates").arg(request.viewer, kNoAnimation);
    if (!error.isEmpty())
        return error;
    return writer.finish();
}

// The results as a table for standard output, or written whole to OUT.
QString exportReport(const Viewer& viewer, const ExportRequest& request, QStringList& table)
{
    const ResultRows rows = viewer.results();
    switch (request.reportFormat) {
    case ReportFormat::Table:
        table = ResultFormat::table(rows);
        return {};
    case ReportFormat::JsonLines:
        return AtomicFile::replace(request.outputs.front().path, ResultFormat::jsonLines(rows));
    case ReportFormat::Csv:
        return AtomicFile::replace(request.outputs.front().path, ResultFormat::csv(rows));
    }
    return {};
}

// One chart's operations in one -o's format.
QString writeChart(const OpList& ops, const ExportRequest::Output& output, const QString& viewer, SurfaceKind kind,
    const std::optional<QRectF>& drawn, const std::vector<PlotArea>& areas)
{
    switch (output.format) {
    case ChartOutput::Format::Pdf:
        return ChartOutput::writePdf(ops, kind, output.path, drawn);
    case ChartOutput::Format::Svg:
        return ChartOutput::writeSvg(ops, kind, output.path, drawn);
    case ChartOutput::Format::Png:
        return ChartOutput::writePng(ops, kind, output.path, 96, drawn);
    case ChartOutput::Format::Json:
        return ChartOutput::writeJson(ops, output.path, exportHeader(viewer, kind));
    case ChartOutput::Format::Csv:
        return AtomicFile::replace(output.path, PlottedData::of(areas).csv());
    }
    return {};
}

} // namespace

GuiApplicationScope::GuiApplicationScope()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kavel-export";
    static char* argv[] = { name, nullptr };
    m_app = std::make_unique<QGuiApplication>(argc, argv);
}

GuiApplicationScope::~GuiApplicationScope() = default;

OpList RecordChart(Viewer& viewer, SurfaceKind kind)
{
    RecordingSurface surface(kind);
    drawChart(viewer, surface);
    return surface.takeOps();
}

QString exportHeader(const QString& viewer, SurfaceKind kind)
{
    return QStringLiteral("{\"op\":\"begin\",\"viewer\":\"%1\",\"surface\":\"%2\"}")
        .arg(viewer, kind == SurfaceKind::Screen ? QStringLiteral("screen") : QStringLiteral("printer"));
}

ExportOutcome runExport(const ExportRequest& request)
{
    // The root first: every logical path below resolves against it.
    if (!request.root.isEmpty()) {
        if (const QString error = CommandPaths::useRoot(request.root); !error.isEmpty())
            return usageError(error);
    }

    // Before any viewer exists: a chart may measure its texts.
    const GuiApplicationScope gui;
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(request.viewer);
    if (!viewer)
        return usageError(QStringLiteral("the viewer '%1' is not part of this build").arg(request.viewer));

    QString error;
    const std::optional<QString> settings = CommandPaths::namedFile(request.settings, "--settings", error);
    const std::optional<QString> data = CommandPaths::namedFile(request.data, "--data", error);
    const std::optional<QString> outline = CommandPaths::namedFile(request.outline, "--outline", error);
    if (!error.isEmpty())
        return usageError(error);

    ExportOutcome outcome;

    // Start-up as the window does it: settings, the rotor outline, the data.
    viewer->readSettings(settings.value_or(viewer->workingSettingsPath()));
    if (viewer->identity().readsOutline)
        viewer->loadOutline(outline.value_or(viewer->outlinePath()));
    else if (outline)
        outcome.warnings.append(QStringLiteral("%1 reads no rotor outline; --outline is ignored").arg(request.viewer));
    viewer->dataPath = data.value_or(viewer->defaultDataPath());
    viewer->loadData(viewer->dataPath);
    // The results inputs and marks the window last had, before the options.
    viewer->readResultsState();

    for (const auto& [name, values] : request.options) {
        if (const std::optional<QString> error = viewer->setResultOption(name, values)) {
            if (!error->isEmpty())
                return usageError(QStringLiteral("%1 --option %2").arg(request.viewer, *error));
            continue;
        }
        if (!viewer->setOption(name, values))
            return usageError(optionError(*viewer, request.viewer, name, values));
    }

    // The readings, after the options: a usage error reports nothing else.
    const Viewer::Readings& readings = viewer->readings;
    if (request.check) {
        outcome.report = viewer->readingReport().split(QLatin1Char('\n'));
        if (!readings.data.complete())
            outcome.status = ExportDataIncomplete;
        if (request.outputs.empty())
            return outcome;
    } else {
        for (const ReaderDiagnostic* reading : { &readings.settings, &readings.outline, &readings.data })
            noteIncomplete(*reading, outcome.warnings);
    }

    if (request.report) {
        outcome.error = exportReport(*viewer, request, outcome.report);
        if (!outcome.error.isEmpty())
            outcome.status = ExportCannotWrite;
        return outcome;
    }

    if (request.animate) {
        outcome.error = exportAnimation(*viewer, request);
        if (!outcome.error.isEmpty())
            outcome.status = outcome.error.contains(kNoAnimation) ? ExportUsageError : ExportCannotWrite;
        return outcome;
    }

    RecordingSurface chart(request.surface);
    drawChart(*viewer, chart);
    // A chart that reaches past the common region is shown whole.
    const std::optional<QRectF> drawn = viewer->drawnRegion(chart);
    const OpList ops = chart.takeOps();

    // The pages and the drawings first, the pictures last: a PDF written
    // after a picture of texts embeds its fonts otherwise than one written
    // alone (Qt's font engines are shared), and each file must be the one a
    // run of its own writes. The first that cannot be written ends the run.
    std::vector<ExportRequest::Output> outputs = request.outputs;
    std::stable_partition(outputs.begin(), outputs.end(), [](const ExportRequest::Output& output) { return output.format != ChartOutput::Format::Png; });
    for (const ExportRequest::Output& output : outputs) {
        outcome.error = writeChart(ops, output, request.viewer, request.surface, drawn, chart.areas());
        if (!outcome.error.isEmpty()) {
            outcome.status = ExportCannotWrite;
            break;
        }
    }
    return outcome;
}

} // namespace kavel
