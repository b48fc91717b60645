#include "viewer.h"

#include "hostpaths.h"

namespace kavel {

ReaderDiagnostic Viewer::readOutline(const QString& hostPath)
{
    ReaderDiagnostic diagnostic;
    diagnostic.file = hostPath;
    return diagnostic;
}

bool Viewer::setOption(const QString&, const QStringList&)
{
    return false;
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

ReaderDiagnostic Viewer::readSettings(const QString& hostPath)
{
    return ReadChartSettings(hostPath, settingsLayout());
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
        readOutline(outlinePath());
    readData(dataPath);
}

} // namespace kavel
