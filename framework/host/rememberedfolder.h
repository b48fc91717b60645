#pragma once

#include <QByteArray>
#include <QString>

namespace kavel {

// Where a viewer last saved a chart or its data, so that the next file
// dialog opens there. Kept in a file of its own beside the working settings
// file ("savlen.tmp" → "savlen.folder"), never in the settings file: one
// line, the folder, in UTF-8.
namespace RememberedFolder {

QString fileBeside(const QString& workingSettingsPath);

// The folder the file's bytes name: their first line, when it names a
// folder that exists; else empty. Anything else in the file (a second line,
// a byte that is no UTF-8, a line of megabytes) changes nothing.
QString parse(const QByteArray& bytes);
// Reads at most the first few kilobytes of `file`; empty when it cannot.
QString read(const QString& file);
// Replaces the file whole; empty on success, else a message naming it.
QString write(const QString& file, const QString& folder);

} // namespace RememberedFolder

} // namespace kavel
