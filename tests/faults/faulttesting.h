#pragma once

#include "framework/viewer.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

namespace kavel {

// The built viewers of the suite, each over the current installation root.
std::vector<std::unique_ptr<Viewer>> suiteViewers();

// What a directory holds: each entry's name, with the bytes of the files and
// the contents of the directories. Equal snapshots taken before and after a
// failed write show that nothing was lost and nothing left behind.
struct DirectorySnapshot {
    explicit DirectorySnapshot(const QString& path);
    bool operator==(const DirectorySnapshot&) const = default;

    QMap<QString, QByteArray> entries;
};

QByteArray fileBytes(const QString& path);

} // namespace kavel
