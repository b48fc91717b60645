#include "atomicfile.h"

#include <QSaveFile>

namespace kavel::AtomicFile {

namespace {

QString reasonOf(const QSaveFile& file)
{
    // A short write leaves Qt without an error text of its own.
    return file.error() == QFileDevice::NoError || file.errorString().isEmpty() || file.errorString() == QLatin1String("Unknown error")
        ? QStringLiteral("not every byte could be written (is the disk full?)")
        : file.errorString();
}

} // namespace

QString commit(QSaveFile& file)
{
    if (!file.flush()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return reasonOf(file);
    return {};
}

QString replace(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 could not be written: %2").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return QStringLiteral("%1 could not be written: %2").arg(path, reason);
    }
    const QString reason = commit(file);
    return reason.isEmpty() ? QString() : QStringLiteral("%1 could not be written: %2").arg(path, reason);
}

} // namespace kavel::AtomicFile
