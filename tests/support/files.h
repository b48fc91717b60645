#pragma once

#include <QByteArray>
#include <QString>

namespace kavel::test {

// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes `bytes` as the whole file, making its directory first.
enum class FileMode { Plain, Executable };
bool writeFile(const QString& path, const QByteArray& bytes, FileMode mode = FileMode::Plain);

// Copies every file below `from` to the same place below `to`, each one
// writable; false at the first that fails.
bool copyFiles(const QString& from, const QString& to);

// Makes `path` the current directory for as long as it lives.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& path);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    QString m_previous;
};

} // namespace kavel::test
