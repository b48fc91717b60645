#pragma once

#include "files.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kavel::test {

// A writable copy of the bundled sample installation root in a temporary
// directory, made the installation root (KAVEL_ROOT) for as long as it
// lives. Makes the QApplication too, which every user of a root needs.
class TestRoot {
public:
    TestRoot();
    ~TestRoot();

    bool isValid() const { return m_copied; }
    // The host path of a file relative to the root
    // ("Gavrine/savlen/savlen.tmp"); the root itself for "".
    QString path(const QString& relative = {}) const;
    QByteArray read(const QString& relative) const;
    // Writes the whole file, making its directory; a file that cannot be
    // written is a test failure as well as false.
    bool write(const QString& relative, const QByteArray& bytes, FileMode mode = FileMode::Plain) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_copied = false;
};

} // namespace kavel::test
