#pragma once

#include "framework/surface/drawingsurface.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kavel {

// The names one command of kavel-export takes, stated once.
struct CommandSyntax {
    // Names that take a value, as "--root DIR" or "--root=DIR" ("-o OUT" only:
    // a short name is never split at '=').
    QStringList valued;
    // Names that stand alone and take no value.
    QStringList flags = {};
    // Whether words without a leading '-' (and "-" itself) are the command's
    // own; else they are unknown arguments. Where they are its own, anything
    // unknown is a mistyped option and is called one.
    bool takesWords = false;
};

// One argument as its command reads it: a valued name with its value, a
// flag (value empty) or a word of the command's own (name empty).
struct CommandArgument {
    QString name;
    QString value;
    bool operator==(const CommandArgument&) const = default;
};

struct CommandArguments {
    // The arguments before whatever stopped the walk, in their order. The
    // command acts on these first, so that a mistake before "-h" or before a
    // malformed argument is the one reported.
    std::vector<CommandArgument> arguments;
    bool help = false; // "-h" or "--help" stopped the walk
    QString error;     // the usage error that stopped it, one line
};

// Walks a command line (the words after the command) by `syntax`.
CommandArguments readCommandArguments(const QStringList& arguments, const CommandSyntax& syntax);

// The value of --surface, "screen" or "printer", into `kind`; else the usage
// error that says what it takes.
QString readSurface(const QString& value, SurfaceKind& kind);

} // namespace kavel
