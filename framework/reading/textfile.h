#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kavel {

// Text files of the suite are in the platform's 8-bit code page, Shift-JIS
// (CP932) for the Japanese texts. Engineers on Linux hand-edit them, so a file
// that is valid UTF-8 holding non-ASCII text (or starting with a UTF-8 byte
// order mark) is read as UTF-8 instead.
namespace TextFile {

// Larger inputs are read only up to this size: a result file is a few
// hundred kilobytes, and a runaway file must not exhaust memory.
inline constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

QString decode(const QByteArray& bytes);

// Encodes in CP932; a text that CP932 cannot hold (read from a UTF-8 file)
// is written as UTF-8 so that nothing the user typed is lost.
QByteArray encode(const QString& text);

// Reads a whole file; nullopt when it cannot be opened.
std::optional<QString> read(const QString& path);

} // namespace TextFile

} // namespace kavel
