#pragma once

#include <QLockFile>
#include <QString>

namespace kavel {

// One running copy per program and installation: a lock file in the temp
// directory, held while the program runs. The lock of a copy that was killed
// does not block the next start: its process is gone, so the lock is taken
// over.
class SingleInstance {
public:
    // Needs the QApplication: the lock records the program's name, and a
    // lock naming another program is taken for a stale one.
    explicit SingleInstance(const QString& program);

    // False when another copy of the program already runs. A lock that cannot
    // be created at all (no temp directory) lets the program run.
    bool isFirst() const { return m_first; }

    // The lock of `program` under the current installation root.
    static QString lockPath(const QString& program);

private:
    QLockFile m_lock;
    bool m_first = true;
};

} // namespace kavel
