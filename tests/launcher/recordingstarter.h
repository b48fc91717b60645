#pragma once

#include "launcher/processstarter.h"

#include <QSet>
#include <QStringList>

namespace kavel::test {

// Keeps every start as a line: "hidden cmd.exe /c 8.bat HOLPIX.OUT",
// "visible ...", "program C:\Kavel\...". A batch file or program named in
// `refuse` is not started.
class RecordingStarter final : public ProcessStarter {
public:
    StartResult startHidden(const JobCommand& command) override;
    StartResult startVisible(const JobCommand& command) override;
    StartResult startProgram(const ProgramCommand& command) override;

    QStringList lines;
    QSet<QString> refuse;

private:
    StartResult record(const QString& kind, const QString& name, const QString& text);
};

} // namespace kavel::test
