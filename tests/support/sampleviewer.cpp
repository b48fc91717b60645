#include "sampleviewer.h"

namespace kavel::test {

void loadSample(Viewer& viewer)
{
    const QByteArray previousRoot = qgetenv("KAVEL_ROOT");
    qputenv("KAVEL_ROOT", KAVEL_SAMPLE_ROOT);
    viewer.load();
    qputenv("KAVEL_ROOT", previousRoot);
}

} // namespace kavel::test
