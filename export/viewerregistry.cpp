#include "viewerregistry.h"

#include "holpix/holpixviewer.h"
#include "lendrix/lendrixviewer.h"
#include "mirno1/mirno1viewer.h"
#include "mirnok/mirnokviewer.h"
#include "savlen/savlenviewer.h"
#include "valden/valdenviewer.h"
#include "wespar/wesparviewer.h"
#include "zeptal/zeptalviewer.h"

#include <utility>
#include <vector>

namespace kavel::ViewerRegistry {

namespace {

template <typename T>
std::unique_ptr<Viewer> make()
{
    return std::make_unique<T>();
}

// One line per built viewer, in the order of the suite.
const std::vector<std::pair<QString, Factory>>& registry()
{
    static const std::vector<std::pair<QString, Factory>> entries {
        { QStringLiteral("savlen"), make<SavlenViewer> },
        { QStringLiteral("valden"), make<ValdenViewer> },
        { QStringLiteral("mirnok"), make<MirnokViewer> },
        { QStringLiteral("mirno1"), make<Mirno1Viewer> },
        { QStringLiteral("holpix"), make<HolpixViewer> },
        { QStringLiteral("zeptal"), make<ZeptalViewer> },
        { QStringLiteral("wespar"), make<WesparViewer> },
        { QStringLiteral("lendrix"), make<LendrixViewer> },
    };
    return entries;
}

} // namespace

QStringList suiteViewers()
{
    return { QStringLiteral("savlen"), QStringLiteral("valden"), QStringLiteral("mirnok"), QStringLiteral("mirno1"),
             QStringLiteral("holpix"), QStringLiteral("zeptal"), QStringLiteral("wespar"), QStringLiteral("lendrix") };
}

QStringList builtViewers()
{
    QStringList names;
    for (const auto& entry : registry())
        names.append(entry.first);
    return names;
}

std::unique_ptr<Viewer> create(const QString& name)
{
    for (const auto& [entryName, factory] : registry()) {
        if (entryName == name)
            return factory();
    }
    return nullptr;
}

} // namespace kavel::ViewerRegistry
