#include "hostprocessstarter.h"

#include "framework/host/hostpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kavel {

namespace {

#ifdef Q_OS_WIN
constexpr bool kProgramsEndInExe = true;
#else
constexpr bool kProgramsEndInExe = false;
#endif

const QString kLogicalRoot = QStringLiteral("C:\\Kavel\\");

bool isWindowsAbsolute(const QString& path)
{
    return path.size() >= 3 && path.at(0).isLetter() && path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('\\');
}

QString withoutExe(QString name)
{
    if (!kProgramsEndInExe && name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

bool isRunnable(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

#ifdef Q_OS_WIN
// cmd.exe reads its line itself: with /s it drops only the outermost pair of
// quotes, and a word in quotes keeps "&", "|" and ";" as plain characters.
QString quotedForCmd(const QString& word)
{
    return QLatin1Char('"') + word + QLatin1Char('"');
}
#endif

} // namespace

QStringList BatchFileSearch::directories() const
{
    return QStringList { workingDirectory, launcherDirectory } + searchPath;
}

QString BatchFileSearch::places() const
{
    auto native = [](const QString& directory) { return QDir::toNativeSeparators(directory); };
    QString text = QDir::cleanPath(workingDirectory) == QDir::cleanPath(launcherDirectory)
        ? QStringLiteral("in %1 (the working folder and the launcher's)").arg(native(workingDirectory))
        : QStringLiteral("in %1 (the working folder), %2 (the launcher's folder)").arg(native(workingDirectory), native(launcherDirectory));
    QStringList path;
    for (const QString& directory : searchPath)
        path << native(directory);
    text += path.isEmpty() ? QStringLiteral(" nor on the search path, which is empty")
                           : QStringLiteral(" nor on the search path (%1)").arg(path.join(QStringLiteral(", ")));
    return text;
}

BatchFileSearch BatchFileSearch::from(const QString& workingDirectory)
{
    return { workingDirectory, QCoreApplication::applicationDirPath(),
             qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts) };
}

QString LocateBatchFile(const QString& name, const QStringList& directories)
{
    for (const QString& directory : directories) {
        if (directory.isEmpty())
            continue;
        const QFileInfo candidate(QDir(directory), name);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

QString LocateProgram(const QString& program, QString* looked)
{
    QString host;
    QString where;
    if (program.startsWith(kLogicalRoot, Qt::CaseInsensitive)) {
        host = HostPaths::resolve(withoutExe(program));
        where = host;
    } else if (!kProgramsEndInExe && isWindowsAbsolute(program)) {
        const QString name = withoutExe(program.section(QLatin1Char('\\'), -1));
        QStringList names { name };
        if (name.toLower() != name)
            names << name.toLower();
        for (const QString& candidate : std::as_const(names)) {
            host = QStandardPaths::findExecutable(candidate);
            if (!host.isEmpty())
                break;
        }
        where = names.join(QStringLiteral(" or ")) + QStringLiteral(" on the search path");
    } else {
        host = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
        where = program;
    }
    if (looked)
        *looked = where;
    return isRunnable(host) ? host : QString();
}

HostProcessStarter::HostProcessStarter(const QString& workingDirectory)
    : m_workingDirectory(workingDirectory.isEmpty() ? QDir::currentPath() : workingDirectory)
{
}

StartResult HostProcessStarter::startHidden(const JobCommand& command)
{
    return startJob(command, true);
}

StartResult HostProcessStarter::startVisible(const JobCommand& command)
{
    return startJob(command, false);
}

StartResult HostProcessStarter::startJob(const JobCommand& command, bool hidden)
{
    const BatchFileSearch search = BatchFileSearch::from(m_workingDirectory);
    const QString batch = LocateBatchFile(command.batchFile, search.directories());
    if (batch.isEmpty())
        return { QStringLiteral("%1 could not be started: it is not %2.").arg(command.batchFile, search.places()) };
    QProcess process;
    process.setWorkingDirectory(m_workingDirectory);
#ifdef Q_OS_WIN
    QString line = QStringLiteral("/d /s /c \"") + quotedForCmd(QDir::toNativeSeparators(batch));
    for (const QString& argument : command.arguments) {
        if (argument.contains(QLatin1Char('"')))
            return { QStringLiteral("%1 was not started: the argument %2 holds a quote.").arg(command.batchFile, argument) };
        line += QLatin1Char(' ') + quotedForCmd(argument);
    }
    process.setProgram(command.interpreter);
    process.setNativeArguments(line + QLatin1Char('"'));
    process.setCreateProcessArgumentsModifier([hidden](QProcess::CreateProcessArguments* arguments) {
        arguments->flags |= hidden ? CREATE_NO_WINDOW : CREATE_NEW_CONSOLE;
    });
#else
    // The batch file is a script of the shell here. Each argument is one
    // word of the shell's own argument list: nothing in it is ever read as
    // shell syntax.
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments(QStringList { batch } + command.arguments);
#endif
    if (hidden) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    if (!process.startDetached())
        return { QStringLiteral("%1 could not be started: %2 did not start.").arg(batch, process.program()) };
    return {};
}

StartResult HostProcessStarter::startProgram(const ProgramCommand& command)
{
    QString looked;
    const QString program = LocateProgram(command.program, &looked);
    if (program.isEmpty())
        return { QStringLiteral("%1 could not be started: there is no %2.").arg(command.program, QDir::toNativeSeparators(looked)) };
    QStringList arguments;
    for (const QString& argument : command.arguments)
        arguments << QDir::toNativeSeparators(HostPaths::resolve(argument));
    if (!QProcess::startDetached(program, arguments, m_workingDirectory))
        return { QStringLiteral("%1 could not be started.").arg(QDir::toNativeSeparators(program)) };
    return {};
}

} // namespace kavel
