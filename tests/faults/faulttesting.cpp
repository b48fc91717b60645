#include "faulttesting.h"

#include "export/viewerregistry.h"

#include <QDirIterator>
#include <QFile>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace kavel::test {

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

#ifdef __linux__
namespace {

// The raw system calls: the capability library is not worth a dependency
// for one test guard. They act on the calling thread only.
bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

PermissionsHonoured::PermissionsHonoured()
{
    __user_cap_data_struct data[2] {};
    if (!capabilities(data, false))
        return;
    m_effective[0] = data[0].effective;
    m_effective[1] = data[1].effective;
    for (int cap : { CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER })
        data[cap / 32].effective &= ~(1u << (cap % 32));
    m_changed = capabilities(data, true);
}

PermissionsHonoured::~PermissionsHonoured()
{
    __user_cap_data_struct data[2] {};
    if (!m_changed || !capabilities(data, false))
        return;
    data[0].effective = m_effective[0];
    data[1].effective = m_effective[1];
    capabilities(data, true);
}
#else
PermissionsHonoured::PermissionsHonoured() = default;
PermissionsHonoured::~PermissionsHonoured() = default;
#endif

} // namespace kavel::test
