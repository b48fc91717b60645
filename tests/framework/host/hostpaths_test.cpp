#include "framework/host/hostpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {

TEST(HostPaths, LogicalRootMapsOntoKavelRootWithoutRegardToCase)
{
    QTemporaryDir root;
    qputenv("KAVEL_ROOT", root.path().toLocal8Bit());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("Gavrine/wespar")));

    const QString expected = root.path() + QStringLiteral("/Gavrine/wespar/wespar.tmp");
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("C:\\Kavel\\Gavrine\\WESPAR\\wespar.tmp")), expected);
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("c:\\kavel\\gavrine\\wespar\\wespar.tmp")), expected);
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("c:\\kavel\\gavrine\\wespar\\")), root.path() + QStringLiteral("/Gavrine/wespar/"));
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("C:\\KAVEL")), root.path());
    // A name that does not exist yet is kept as written.
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("c:\\Kavel\\data\\New.mac")), root.path() + QStringLiteral("/data/New.mac"));
    // Paths outside the root are host paths.
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("/tmp/x.mac")), "/tmp/x.mac");
    EXPECT_EQ(HostPaths::resolve(QStringLiteral("c:\\KavelOther\\x")), "c:\\KavelOther\\x");
    qunsetenv("KAVEL_ROOT");
}

// This test program lies in the build tree, in no installation root.
TEST(HostPaths, DefaultRootIsKavelInTheHomeDirectory)
{
    qunsetenv("KAVEL_ROOT");
    EXPECT_EQ(HostPaths::root(), QDir::homePath() + QStringLiteral("/Kavel"));
}

TEST(HostPaths, ProgramBelongsToTheNearestRootAtMostTwoFoldersUp)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("GAVRINE/valdens/deeper")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("other/Gavrine")));
    EXPECT_EQ(HostPaths::rootAbove(root), root);
    EXPECT_EQ(HostPaths::rootAbove(root + QStringLiteral("/GAVRINE/valdens")), root);
    EXPECT_EQ(HostPaths::rootAbove(root + QStringLiteral("/other")), root + QStringLiteral("/other"));
    EXPECT_EQ(HostPaths::rootAbove(root + QStringLiteral("/GAVRINE/valdens/deeper")), QString());

    // A file of the name makes no root.
    QTemporaryDir plain;
    ASSERT_TRUE(QDir(plain.path()).mkpath(QStringLiteral("bin")));
    QFile file(plain.filePath(QStringLiteral("Gavrine")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(HostPaths::rootAbove(plain.filePath(QStringLiteral("bin"))), QString());
}

} // namespace kavel::test
