#pragma once

#include "framework/viewer.h"
#include "support/files.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

namespace kavel::test {

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

// While it lives, the calling thread holds no rights that ignore file
// permissions (root's CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH and
// CAP_FOWNER), so that a read-only directory is one for root too, as in CI.
// They stay permitted and come back when it ends.
class PermissionsHonoured {
public:
    PermissionsHonoured();
    ~PermissionsHonoured();
    PermissionsHonoured(const PermissionsHonoured&) = delete;
    PermissionsHonoured& operator=(const PermissionsHonoured&) = delete;

private:
    unsigned m_effective[2] {};
    bool m_changed = false;
};

} // namespace kavel::test
