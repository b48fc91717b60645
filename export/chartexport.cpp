#include "chartexport.h"

#include "viewerregistry.h"

#include "framework/hostpaths.h"
#include "framework/recordingsurface.h"
#include "framework/viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace kavel {

namespace {

ExportOutcome usageError(const QString& message)
{
    ExportOutcome outcome;
    outcome.status = ExportUsageError;
    outcome.error = message;
    return outcome;
}

// A file named on the command line must exist: a mistyped name would
// otherwise export an empty chart without a word.
std::optional<QString> namedFile(const QString& given, const char* option, QString& error)
{
    if (given.isEmpty())
        return std::nullopt;
    const QString path = HostPaths::resolve(given);
    if (!QFileInfo(path).isFile())
        error = QStringLiteral("%1 %2: no such file").arg(QLatin1String(option), path);
    return path;
}

void noteIncomplete(const ReaderDiagnostic& diagnostic, QStringList& warnings)
{
    if (!diagnostic.complete())
        warnings.append(diagnostic.toString());
}

// Fonts and the image writers need a QGuiApplication. The export makes one
// only when the arguments have passed, so a usage error stays one line, and
// without a platform chosen by the user it runs offscreen: the export never
// shows a window and works the same with or without a display.
class GuiApplicationScope {
public:
    GuiApplicationScope()
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

private:
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace

OpList RecordChart(Viewer& viewer, SurfaceKind kind)
{
    RecordingSurface surface(kind);
    if (kind == SurfaceKind::Screen)
        viewer.plot(surface);
    else
        viewer.print(surface);
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
        const QFileInfo root(request.root);
        if (!root.isDir())
            return usageError(QStringLiteral("--root %1: no such directory").arg(request.root));
        qputenv("KAVEL_ROOT", QFile::encodeName(root.absoluteFilePath()));
    }

    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(request.viewer);
    if (!viewer)
        return usageError(QStringLiteral("the viewer '%1' is not part of this build").arg(request.viewer));

    QString error;
    const std::optional<QString> settings = namedFile(request.settings, "--settings", error);
    const std::optional<QString> data = namedFile(request.data, "--data", error);
    const std::optional<QString> outline = namedFile(request.outline, "--outline", error);
    if (!error.isEmpty())
        return usageError(error);

    ExportOutcome outcome;

    // Start-up as the window does it: settings, the rotor outline, the data.
    noteIncomplete(viewer->readSettings(settings.value_or(viewer->workingSettingsPath())), outcome.warnings);
    if (!viewer->identity().outlineFile.isEmpty())
        noteIncomplete(viewer->readOutline(outline.value_or(viewer->outlinePath())), outcome.warnings);
    else if (outline)
        outcome.warnings.append(QStringLiteral("%1 reads no rotor outline; --outline is ignored").arg(request.viewer));
    viewer->dataPath = data.value_or(viewer->defaultDataPath());
    noteIncomplete(viewer->readData(viewer->dataPath), outcome.warnings);

    for (const auto& [name, values] : request.options) {
        if (!viewer->setOption(name, values))
            return usageError(QStringLiteral("%1 has no option %2=%3").arg(request.viewer, name, values.join(QLatin1Char(','))));
    }

    const OpList ops = RecordChart(*viewer, request.surface);

    const GuiApplicationScope gui;

    switch (request.format) {
    case ChartOutput::Format::Pdf:
        outcome.error = ChartOutput::writePdf(ops, request.output);
        break;
    case ChartOutput::Format::Svg:
        outcome.error = ChartOutput::writeSvg(ops, request.output);
        break;
    case ChartOutput::Format::Png:
        outcome.error = ChartOutput::writePng(ops, request.output);
        break;
    case ChartOutput::Format::Json:
        outcome.error = ChartOutput::writeJson(ops, request.output, exportHeader(request.viewer, request.surface));
        break;
    }
    if (!outcome.error.isEmpty())
        outcome.status = ExportCannotWrite;
    return outcome;
}

} // namespace kavel
