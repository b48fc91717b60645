#include "faulttesting.h"
#include "settingsrecords.h"

#include "support/testroot.h"

#include "export/viewerregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>

namespace kavel::test {
namespace {

constexpr int kKillsPerViewer = 12;

// A viewer killed while it writes its settings leaves the old file or the
// new one whole, never a mixture or a shortened file; whatever the killed
// write left behind does not stop the next one.
TEST(InterruptedWrite, AKilledWriterLeavesOneWholeRecord)
{
    TestRoot root;
    ASSERT_TRUE(root.isValid());
    QTemporaryDir scratch;
    int kills = 0;
    int partial = 0;
    int leftovers = 0;
    for (const QString& name : ViewerRegistry::suiteViewers()) {
        const RecordPair pair = settingsRecordPair(name);
        if (!pair.first)
            continue;
        const QString path = pair.first->workingSettingsPath();
        const QString scratchPath = scratch.filePath(name);
        ASSERT_EQ(pair.first->writeSettings(scratchPath), QString());
        const QByteArray first = fileBytes(scratchPath);
        ASSERT_EQ(pair.second->writeSettings(scratchPath), QString());
        const QByteArray second = fileBytes(scratchPath);
        ASSERT_NE(first, second);
        const int entriesBefore = int(DirectorySnapshot(QFileInfo(path).path()).entries.size());

        for (int n = 0; n < kKillsPerViewer; ++n) {
            QProcess writer;
            writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer.start(QStringLiteral(KAVEL_SETTINGSWRITER), { name, QStringLiteral("alternate") });
            ASSERT_TRUE(writer.waitForReadyRead(20000)) << name.toStdString();
            // A different moment of the loop each time: 0 to 10 ms.
            QThread::usleep((kills * 7919) % 10000);
            writer.kill();
            ASSERT_TRUE(writer.waitForFinished(10000));
            ++kills;
            const QByteArray left = fileBytes(path);
            if (left != first && left != second) {
                ++partial;
                ADD_FAILURE() << name.toStdString() << " after kill " << n << ": " << left.toStdString();
            }
        }
        leftovers += int(DirectorySnapshot(QFileInfo(path).path()).entries.size()) - entriesBefore;
        EXPECT_EQ(pair.first->writeSettings(path), QString()) << name.toStdString();
        EXPECT_EQ(fileBytes(path), first) << name.toStdString();
    }
    EXPECT_EQ(kills, kKillsPerViewer * ViewerRegistry::suiteViewers().size());
    std::cout << "faults: " << kills << " kills, " << partial << " partial files, " << leftovers
              << " temporary files left by killed writes\n";
}

} // namespace
} // namespace kavel::test
