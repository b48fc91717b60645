#include "commandpaths.h"

#include "framework/host/hostpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kavel::CommandPaths {

QString useRoot(const QString& root)
{
    const QFileInfo info(root);
    if (!info.isDir())
        return QStringLiteral("--root %1: no such directory").arg(root);
    // A folder without either would draw empty charts from missing files
    // without a word.
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const auto isRootFolder = [](const QString& name) {
        return name.compare(QLatin1String("Gavrine"), Qt::CaseInsensitive) == 0 || name.compare(QLatin1String("data"), Qt::CaseInsensitive) == 0;
    };
    if (std::none_of(folders.begin(), folders.end(), isRootFolder))
        return QStringLiteral("--root %1: holds neither Gavrine/ nor data/, so it is no Kavel root").arg(root);
    qputenv("KAVEL_ROOT", QFile::encodeName(info.absoluteFilePath()));
    return {};
}

std::optional<QString> namedFile(const QString& given, const char* option, QString& error)
{
    if (given.isEmpty())
        return std::nullopt;
    const QString path = HostPaths::resolve(given);
    if (!QFileInfo(path).isFile())
        error = QStringLiteral("%1 %2: no such file").arg(QLatin1String(option), path);
    return path;
}

} // namespace kavel::CommandPaths
