#include "framework/host/rememberedfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

TEST(RememberedFolder, LiesBesideTheWorkingSettingsFile)
{
    EXPECT_EQ(RememberedFolder::fileBeside(QStringLiteral("/k/Gavrine/savlen/savlen.tmp")), QStringLiteral("/k/Gavrine/savlen/savlen.folder"));
}

TEST(RememberedFolder, OnlyAFolderThatExistsIsRemembered)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("savlen.folder"));
    const QString folder = dir.filePath(QString::fromUtf8("結果 2024"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(RememberedFolder::write(file, folder), QString());
    EXPECT_EQ(RememberedFolder::read(file), folder);
    // A second line and CR LF change nothing.
    EXPECT_EQ(RememberedFolder::parse(folder.toUtf8() + "\r\nmore\n"), folder);

    for (const QByteArray& bad : { QByteArray(), QByteArray("relative/folder\n"), (folder + QStringLiteral("/gone")).toUtf8(),
             QByteArray("/tmp\xff\xfe\n"), QByteArray("/tmp\0x", 6), QByteArray(100000, '/') })
        EXPECT_EQ(RememberedFolder::parse(bad), QString()) << bad.left(40).toStdString();
    EXPECT_EQ(RememberedFolder::read(dir.filePath(QStringLiteral("none.folder"))), QString());
}

} // namespace
} // namespace kavel::test
