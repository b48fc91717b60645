#pragma once

#include "processstarter.h"

namespace kavel {

// Where a job's batch file is looked for: the working directory, the
// launcher's own directory (an installation puts the batch files beside
// it) and the search path, in that order.
struct BatchFileSearch {
    // The places of a launcher whose jobs run in `workingDirectory`.
    static BatchFileSearch from(const QString& workingDirectory);

    QString workingDirectory;
    QString launcherDirectory;
    QStringList searchPath;

    QStringList directories() const;
    // Every place as a message shows it: "in /w (the working folder),
    // /opt/kavel (the launcher's folder) nor on the search path (/usr/bin,
    // /bin)".
    QString places() const;
};

// The batch file `name` in the first of `directories` that holds it, or ""
// when none does.
QString LocateBatchFile(const QString& name, const QStringList& directories);

// The host program for a program path as the launcher names it. Under
// C:\Kavel\ the path is taken under the installation root, without ".exe"
// on hosts whose programs have no such suffix; any other Windows path is
// looked up there on the search path by its file name, as written and in
// lower case ("Mathematica", then "mathematica"). "" when there is none;
// `looked` then says where it was looked for.
QString LocateProgram(const QString& program, QString* looked = nullptr);

// Starts processes on this host. A job runs its batch file through the
// command interpreter; on hosts without one through /bin/sh, with the
// arguments as separate words (never re-read by a shell), a hidden job
// with no input and its output discarded, a visible one on the launcher's
// own terminal. A batch file or program that is not there is not started
// and the result names it and every place it was looked for.
class HostProcessStarter final : public ProcessStarter {
public:
    // Jobs run in `workingDirectory`; by default the launcher's own.
    explicit HostProcessStarter(const QString& workingDirectory = {});

    StartResult startHidden(const JobCommand& command) override;
    StartResult startVisible(const JobCommand& command) override;
    StartResult startProgram(const ProgramCommand& command) override;

private:
    StartResult startJob(const JobCommand& command, bool hidden);

    QString m_workingDirectory;
};

} // namespace kavel
