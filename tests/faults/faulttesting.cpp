#include "faulttesting.h"

#include "export/viewerregistry.h"

#include <QDirIterator>
#include <QFile>

namespace kavel {

std::vector<std::unique_ptr<Viewer>> suiteViewers()
{
    std::vector<std::unique_ptr<Viewer>> viewers;
    for (const QString& name : ViewerRegistry::suiteViewers()) {
        if (std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name))
            viewers.push_back(std::move(viewer));
    }
    return viewers;
}

DirectorySnapshot::DirectorySnapshot(const QString& path)
{
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        entries.insert(entry.mid(path.size()), it.fileInfo().isDir() ? QByteArray("<directory>") : fileBytes(entry));
    }
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace kavel
