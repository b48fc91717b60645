#include "viewer.h"

#include "framework/host/hostpaths.h"
#include "framework/surface/drawingsurface.h"

namespace kavel {

ReaderDiagnostic Viewer::readOutline(const QString& hostPath)
{
    ReaderDiagnostic diagnostic;
    diagnostic.file = hostPath;
    return diagnostic;
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

bool Viewer::setOption(const QString&, const QStringList&)
{
    return false;
}

QStringList Viewer::optionUsage() const
{
    return {};
}

QString Viewer::flagsUsage(const QString& name, int count)
{
    return QStringLiteral("%1=0|1,... (%2 values)").arg(name).arg(count);
}

ResultInputKinds Viewer::resultInputKinds() const
{
    return {};
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
    return HostPaths::resolve(identity().settingsDirectory + identity().exportName + QStringLiteral(".results"));
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
    return HostPaths::resolve(identity().settingsDirectory + identity().workingFile);
}

QString Viewer::factorySettingsPath() const
{
    return HostPaths::resolve(identity().settingsDirectory + identity().factoryFile);
}

QString Viewer::defaultDataPath() const
{
    return HostPaths::resolve(identity().defaultDataFile);
}

QString Viewer::outlinePath() const
{
    return identity().outlineFile.isEmpty() ? QString() : HostPaths::resolve(identity().outlineFile);
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
    if (!identity().outlineFile.isEmpty())
        loadOutline(outlinePath());
    loadData(dataPath);
}

} // namespace kavel
