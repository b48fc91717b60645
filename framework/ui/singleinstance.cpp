#include "singleinstance.h"

#include "framework/host/hostpaths.h"

#include <QCryptographicHash>
#include <QDir>

namespace kavel {

SingleInstance::SingleInstance(const QString& program)
    : m_lock(lockPath(program))
{
    // A running copy's lock never ages into a stale one: only a lock whose
    // process is gone is taken over.
    m_lock.setStaleLockTime(0);
    m_first = m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::lockPath(const QString& program)
{
    // Separate installations (and test roots) run side by side.
    const QByteArray root = QCryptographicHash::hash(HostPaths::root().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("kavel-%1-%2.lock").arg(program.toLower(), QString::fromLatin1(root)));
}

} // namespace kavel
