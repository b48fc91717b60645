#include "rememberedfolder.h"

#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace kavel::RememberedFolder {

namespace {

// No folder path is longer; more is not a folder's name.
constexpr qint64 kMostBytes = 8192;

} // namespace

QString fileBeside(const QString& workingSettingsPath)
{
    const QFileInfo settings(workingSettingsPath);
    return settings.dir().filePath(settings.completeBaseName() + QStringLiteral(".folder"));
}

QString parse(const QByteArray& bytes)
{
    QByteArray line = bytes.left(kMostBytes);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    if (line.endsWith('\r'))
        line.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString folder = utf8.decode(line);
    if (utf8.hasError() || folder.isEmpty() || folder.contains(QChar(0)))
        return {};
    const QFileInfo info(folder);
    return info.isAbsolute() && info.isDir() ? info.absoluteFilePath() : QString();
}

QString read(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return parse(in.read(kMostBytes));
}

QString write(const QString& file, const QString& folder)
{
    return AtomicFile::replace(file, folder.toUtf8() + '\n');
}

} // namespace kavel::RememberedFolder
