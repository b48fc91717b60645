#include "framework/host/rememberedfolder.h"

#include <QFileInfo>

#include <cstddef>
#include <cstdint>

// The file that remembers a viewer's export folder, of any content: it
// names an existing absolute folder or nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = kavel::RememberedFolder::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!folder.isEmpty() && !(QFileInfo(folder).isAbsolute() && QFileInfo(folder).isDir()))
        __builtin_trap();
    return 0;
}
