#include "viewerregistry.h"

#include "holpix/holpixviewer.h"
#include "lendrix/lendrixviewer.h"
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

// One line per built viewer.
const std::vector<std::pair<QString, Factory>>& registry()
{
    static const std::vector<std::pair<QString, Factory>> entries {
        { QStringLiteral("savlen"), make<SavlenViewer> },
        { QStringLiteral("valden"), make<ValdenViewer> },
        { QStringLiteral("holpix"), make<HolpixViewer> },
        { QStringLiteral("mirnok"), make<MirnokViewer> },
        { QStringLiteral("lendrix"), make<LendrixViewer> },
        { QStringLiteral("wespar"), make<WesparViewer> },
        { QStringLiteral("zeptal"), make<ZeptalViewer> },
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
