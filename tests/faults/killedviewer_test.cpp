#include "support/programs.h"
#include "support/testroot.h"

#include "export/viewerregistry.h"
#include "framework/ui/singleinstance.h"
#include "framework/viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <iostream>

namespace kavel::test {
namespace {

// Each viewer by its name in the registry and its program's build path.
struct ViewerProgram {
    const char* viewer;
    const char* path;
};

const ViewerProgram kPrograms[] = {
    { "savlen", KAVEL_SAVLENW }, { "valden", KAVEL_VALDENW }, { "mirnok", KAVEL_MIRNOK }, { "mirno1", KAVEL_MIRNO1W },
    { "holpix", KAVEL_HOLPIX }, { "zeptal", KAVEL_ZEPTALW }, { "wespar", KAVEL_WESPAR }, { "lendrix", KAVEL_LENDRIX },
};

// Every viewer program killed hard leaves its lock file behind; the next
// start takes the lock over and runs instead of ending as a second copy.
TEST(KilledViewer, NoProgramIsBlockedByTheLockOfAKilledCopy)
{
    TestRoot root;
    ASSERT_TRUE(root.isValid());
    int kills = 0;
    int blocked = 0;
    for (const ViewerProgram& program : kPrograms) {
        const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QLatin1String(program.viewer));
        ASSERT_NE(viewer, nullptr) << program.viewer;
        const QString name = viewer->identity().program;
        QProcess killed;
        ASSERT_TRUE(launchViewerProgram(killed, QLatin1String(program.path))) << program.path;
        ASSERT_TRUE(holdsLock(killed, name)) << program.path;
        killed.kill();
        ASSERT_TRUE(killed.waitForFinished(10000));
        ++kills;
        EXPECT_TRUE(QFileInfo::exists(SingleInstance::lockPath(name))) << program.path;

        QProcess next;
        ASSERT_TRUE(launchViewerProgram(next, QLatin1String(program.path)));
        const bool running = holdsLock(next, name) && !next.waitForFinished(500);
        EXPECT_TRUE(running) << program.path;
        blocked += running ? 0 : 1;
        next.kill();
        next.waitForFinished(10000);
        QFile::remove(SingleInstance::lockPath(name));
    }
    std::cout << "faults: " << kills << " viewer programs killed, " << blocked << " next starts blocked\n";
}

} // namespace
} // namespace kavel::test
