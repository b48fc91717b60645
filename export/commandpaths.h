#pragma once

#include <QString>
#include <optional>

namespace kavel {

// The folders and files named on kavel-export's command line, checked the
// same way by the chart export and by `matrices`: a mistyped name is a usage
// error of one line, never an empty chart or a silent default.
namespace CommandPaths {

// Makes DIR the root every logical path resolves against. DIR must be an
// installation root: a folder holding Gavrine/ or data/ (in any letter case,
// as the paths below it are matched). Empty on success, else the message.
QString useRoot(const QString& root);

// The host path of the file an option names (a logical c:\Kavel\… path or a
// host path); nullopt when none was given. A name that is not a file sets
// `error` to "OPTION PATH: no such file".
std::optional<QString> namedFile(const QString& given, const char* option, QString& error);

} // namespace CommandPaths

} // namespace kavel
