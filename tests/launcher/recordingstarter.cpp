#include "recordingstarter.h"

namespace kavel::test {

StartResult RecordingStarter::startHidden(const JobCommand& command)
{
    return record(QStringLiteral("hidden"), command.batchFile, command.text());
}

StartResult RecordingStarter::startVisible(const JobCommand& command)
{
    return record(QStringLiteral("visible"), command.batchFile, command.text());
}

StartResult RecordingStarter::startProgram(const ProgramCommand& command)
{
    return record(QStringLiteral("program"), command.program, command.text());
}

StartResult RecordingStarter::record(const QString& kind, const QString& name, const QString& text)
{
    if (refuse.contains(name))
        return { name + QStringLiteral(" could not be started.") };
    lines << kind + QLatin1Char(' ') + text;
    return {};
}

} // namespace kavel::test
