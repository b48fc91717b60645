#include "viewer.h"

#include "framework/host/hostpaths.h"
#include "framework/models/rotormodel.h"
#include "framework/surface/drawingsurface.h"

namespace kavel {

QString ViewerIdentity::exportName() const
{
    return program.toLower();
}

QString ViewerIdentity::defaultDataFile() const
{
    return QStringLiteral("c:\\Kavel\\data\\%1.mac").arg(dataName.isEmpty() ? exportName() : dataName);
}

QString ViewerIdentity::outlineFile() const
{
    return readsOutline ? QStringLiteral("c:\\Kavel\\data\\savlen.mac") : QString();
}

QString ViewerIdentity::settingsStem() const
{
    return settingsName.isEmpty() ? exportName() : settingsName;
}

QString ViewerIdentity::settingsDirectory() const
{
    return QStringLiteral("c:\\Kavel\\Gavrine\\%1\\").arg(settingsStem());
}

QString ViewerIdentity::workingFile() const
{
    return settingsStem() + QStringLiteral(".tmp");
}

QString ViewerIdentity::factoryFile() const
{
    return settingsStem() + QStringLiteral(".org");
}

Viewer::Viewer(ViewerIdentity identity)
    : m_identity(std::move(identity))
    , m_settingsLayout([] { return SettingsLayout(); })
    , m_editDialog([](QWidget*) { return nullptr; })
{
    dataPath = defaultDataPath();
    outlineInUse = outlinePath();
}

ReaderDiagnostic Viewer::readData(const QString& hostPath)
{
    return m_readModel ? m_readModel(hostPath) : ReaderDiagnostic { hostPath, 0, 0, {} };
}

ReaderDiagnostic Viewer::readOutline(const QString& hostPath)
{
    if (!m_outline)
        return { hostPath, 0, 0, {} };
    outlineInUse = hostPath;
    return ReadRotorModel(hostPath, *m_outline);
}

void Viewer::plot(DrawingSurface& screen)
{
    Q_ASSERT(!screen.isPrinter());
    drawChart(screen);
}

void Viewer::print(DrawingSurface& printer)
{
    Q_ASSERT(printer.isPrinter());
    drawChart(printer);
}

std::optional<QString> Viewer::setResultOption(const QString& name, const QStringList& values)
{
    const std::optional<ResultInput> input = ResultOptions::inputNamed(name, resultInputKinds());
    if (!input)
        return std::nullopt;
    return ResultOptions::set(resultInputs, *input, values);
}

QString Viewer::resultsStatePath() const
{
    return HostPaths::resolve(identity().settingsDirectory() + identity().exportName() + QStringLiteral(".results"));
}

ResultsState Viewer::readResultsState()
{
    const ResultsState state = ReadResultsState(resultsStatePath(), resultInputKinds(), { resultInputs, false });
    resultInputs = state.inputs;
    return state;
}

QStringList Viewer::exportOptionUsage() const
{
    return optionUsage() + ResultOptions::usage(resultInputKinds());
}

std::optional<QRectF> Viewer::drawnRegion(const RecordingSurface&) const
{
    return std::nullopt;
}

int Viewer::drawAnimation(DrawingSurface&, const std::function<void()>&)
{
    return 0;
}

QString Viewer::workingSettingsPath() const
{
    return HostPaths::resolve(identity().settingsDirectory() + identity().workingFile());
}

QString Viewer::factorySettingsPath() const
{
    return HostPaths::resolve(identity().settingsDirectory() + identity().factoryFile());
}

QString Viewer::defaultDataPath() const
{
    return HostPaths::resolve(identity().defaultDataFile());
}

QString Viewer::outlinePath() const
{
    return identity().readsOutline ? HostPaths::resolve(identity().outlineFile()) : QString();
}

ReaderDiagnostic Viewer::loadData(const QString& hostPath)
{
    readings.data = readData(hostPath);
    if (readings.data.file.isEmpty())
        readings.data.file = hostPath;
    return readings.data;
}

ReaderDiagnostic Viewer::loadOutline(const QString& hostPath)
{
    readings.outline = readOutline(hostPath);
    if (readings.outline.file.isEmpty())
        readings.outline.file = hostPath;
    return readings.outline;
}

ReaderDiagnostic Viewer::readSettings(const QString& hostPath)
{
    readings.settings = ReadChartSettings(hostPath, settingsLayout());
    if (readings.settings.file.isEmpty())
        readings.settings.file = hostPath;
    return readings.settings;
}

QString Viewer::readingReport() const
{
    QStringList lines;
    for (const ReaderDiagnostic* reading : { &readings.data, &readings.outline, &readings.settings }) {
        if (!reading->file.isEmpty())
            lines.append(reading->toString());
    }
    return lines.join(QLatin1Char('\n'));
}

bool Viewer::readingsComplete() const
{
    return readings.data.complete() && readings.outline.complete() && readings.settings.complete();
}

QString Viewer::writeSettings(const QString& hostPath)
{
    return WriteChartSettings(hostPath, settingsLayout());
}

QString Viewer::restoreFactorySettings()
{
    return CopySettingsFile(factorySettingsPath(), workingSettingsPath());
}

void Viewer::load()
{
    dataPath = defaultDataPath();
    readSettings(workingSettingsPath());
    if (identity().readsOutline)
        loadOutline(outlinePath());
    loadData(dataPath);
}

} // namespace kavel
