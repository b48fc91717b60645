#pragma once

#include <QString>
#include <QStringList>

namespace kavel {

// A job for the command interpreter, "cmd.exe /c 8.bat HOLPIX.OUT", kept in
// its parts: whoever starts it passes each argument to the batch file as a
// word of its own, so that a path with blanks, "&" or "$" in it is never
// read as a command.
struct JobCommand {
    QString interpreter = QStringLiteral("cmd.exe");
    QString batchFile;
    QStringList arguments;

    // The line as the interpreter is given it: "cmd.exe /c 8.bat HOLPIX.OUT".
    QString text() const;

    bool operator==(const JobCommand&) const = default;
};

// A program started by its path, "C:\Kavel\Gavrine\holpix\holpix.exe", with
// its arguments.
struct ProgramCommand {
    QString program;
    QStringList arguments;

    // The program and its arguments, each after one blank.
    QString text() const;

    bool operator==(const ProgramCommand&) const = default;
};

} // namespace kavel
