#include "support/programs.h"
#include "support/testroot.h"

#include "framework/ui/singleinstance.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    void TearDown() override
    {
        for (QProcess* process : { &first, &second }) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
        // A killed copy leaves its lock behind.
        QFile::remove(SingleInstance::lockPath(QStringLiteral("SAVLEN")));
    }

    void launch(QProcess& process) { ASSERT_TRUE(launchViewerProgram(process, QStringLiteral(KAVEL_SAVLENW))); }
    bool holdsLock(QProcess& process) { return kavel::test::holdsLock(process, QStringLiteral("SAVLEN")); }

    TestRoot root;
    QProcess first;
    QProcess second;
};

TEST_F(SingleInstanceTest, ASecondStartEndsAtOnceWhileTheFirstRuns)
{
    launch(first);
    ASSERT_TRUE(holdsLock(first));

    launch(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    // However long the first has been running.
    QFile lock(SingleInstance::lockPath(QStringLiteral("SAVLEN")));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    lock.close();
    launch(second);
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, AKilledFirstInstanceDoesNotBlockTheNextStart)
{
    launch(first);
    ASSERT_TRUE(holdsLock(first));
    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));
    ASSERT_TRUE(QFileInfo::exists(SingleInstance::lockPath(QStringLiteral("SAVLEN"))));

    launch(second);
    EXPECT_TRUE(holdsLock(second));
    EXPECT_FALSE(second.waitForFinished(1000));
    EXPECT_EQ(second.state(), QProcess::Running);
}

TEST_F(SingleInstanceTest, TheLockIsPerProgramAndInstallation)
{
    const QString savlen = SingleInstance::lockPath(QStringLiteral("SAVLEN"));
    EXPECT_NE(savlen, SingleInstance::lockPath(QStringLiteral("HOLPIX")));
    {
        SingleInstance one(QStringLiteral("SAVLEN"));
        EXPECT_TRUE(one.isFirst());
        SingleInstance again(QStringLiteral("SAVLEN"));
        EXPECT_FALSE(again.isFirst());
        SingleInstance other(QStringLiteral("HOLPIX"));
        EXPECT_TRUE(other.isFirst());
    }
    SingleInstance afterwards(QStringLiteral("SAVLEN"));
    EXPECT_TRUE(afterwards.isFirst());

    TestRoot otherRoot;
    EXPECT_NE(SingleInstance::lockPath(QStringLiteral("SAVLEN")), savlen);
}

} // namespace
} // namespace kavel::test
