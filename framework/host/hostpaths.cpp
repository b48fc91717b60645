#include "hostpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

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

bool holdsGavrine(const QDir& dir)
{
    const QStringList folders = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(folders.begin(), folders.end(), [](const QString& name) {
        return name.compare(QLatin1String("Gavrine"), Qt::CaseInsensitive) == 0;
    });
}

// The folder of the running program. kavel-export's matrices asks before
// any application object exists; on Linux the kernel tells.
QString programDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
#ifdef Q_OS_LINUX
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!program.isEmpty())
        return QFileInfo(program).path();
#endif
    return {};
}

} // namespace

QString HostPaths::rootAbove(const QString& programDirectory)
{
    if (programDirectory.isEmpty())
        return {};
    QDir dir(QDir::cleanPath(QDir(programDirectory).absolutePath()));
    for (int up = 0; up <= 2; ++up) {
        if (holdsGavrine(dir))
            return dir.path();
        if (!dir.cdUp())
            break;
    }
    return {};
}

QString HostPaths::root()
{
    const QString fromEnv = qEnvironmentVariable("KAVEL_ROOT");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    // A program does not move while it runs: its root is looked for once.
    static const QString installed = rootAbove(programDirectory());
    return installed.isEmpty() ? QDir::homePath() + QStringLiteral("/Kavel") : installed;
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
