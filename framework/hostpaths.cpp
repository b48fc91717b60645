#include "hostpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace kavel {

namespace {

const QString kLogicalRoot = QStringLiteral("c:\\kavel");

// Finds the entry of dir whose name equals component without regard to case;
// an exact match wins, and a name that does not exist yet is kept as written.
QString matchComponent(const QString& dir, const QString& component)
{
    if (component.isEmpty() || QFileInfo::exists(dir + QLatin1Char('/') + component))
        return component;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return component;
}

} // namespace

QString HostPaths::root()
{
    const QString fromEnv = qEnvironmentVariable("KAVEL_ROOT");
    QString path = fromEnv.isEmpty() ? QDir::homePath() + QStringLiteral("/Kavel") : fromEnv;
    path = QDir::cleanPath(path);
    return path;
}

QString HostPaths::underRoot(const QString& relativePath)
{
    QString path = root();
    const QStringList components = QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& component : components) {
        if (component == QLatin1String("."))
            continue;
        path += QLatin1Char('/') + matchComponent(path, component);
    }
    // Keep a trailing separator: callers join a directory and a file name.
    if (relativePath.endsWith(QLatin1Char('\\')) || relativePath.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString HostPaths::resolve(const QString& logicalPath)
{
    QString normal = logicalPath;
    normal.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (normal.compare(kLogicalRoot, Qt::CaseInsensitive) == 0)
        return root();
    if (normal.startsWith(kLogicalRoot + QLatin1Char('\\'), Qt::CaseInsensitive))
        return underRoot(normal.mid(kLogicalRoot.size() + 1));
    return logicalPath;
}

} // namespace kavel
