#include "faulttesting.h"

#include "support/modalwatcher.h"
#include "support/testroot.h"

#include "export/viewerregistry.h"
#include "mirnok/mirnokviewer.h"
#include "mirnok/mirnokwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace kavel::test {
namespace {

// Every viewer's settings write, and its "5:Default", against a settings
// directory that refuses them: each is refused with a message naming the
// working file, and the directory is left exactly as it was.
class SettingsFaultTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    // Makes the fault for one viewer; false when this host cannot.
    using Fault = std::function<bool(const Viewer& viewer)>;
    // Both writes of one viewer: the messages, "" for a success.
    using Writes = std::function<QStringList(Viewer& viewer)>;

    static QStringList writeInProcess(Viewer& viewer)
    {
        return { viewer.writeSettings(viewer.workingSettingsPath()), viewer.restoreFactorySettings() };
    }

    // What a fault did to the suite's viewers.
    struct Tally {
        int made = 0;    // viewers the fault could be made for
        int refused = 0; // writes refused with a message naming the file
        int changed = 0; // settings directories not left as they were
    };

    Tally expectEveryWriteRefused(const Fault& fault, const Writes& writes)
    {
        Tally tally;
        for (const std::unique_ptr<Viewer>& viewer : suiteViewers()) {
            const QString path = viewer->workingSettingsPath();
            const QString directory = QFileInfo(path).path();
            if (!fault(*viewer)) {
                ADD_FAILURE() << "the fault could not be made for " << path.toStdString();
                continue;
            }
            ++tally.made;
            const DirectorySnapshot before(directory);
            const QStringList messages = writes(*viewer);
            EXPECT_EQ(messages.size(), 2) << path.toStdString();
            for (const QString& message : messages) {
                EXPECT_TRUE(message.contains(path)) << path.toStdString() << ": " << message.toStdString();
                tally.refused += message.contains(path) ? 1 : 0;
            }
            const bool kept = DirectorySnapshot(directory) == before;
            EXPECT_TRUE(kept) << directory.toStdString();
            tally.changed += kept ? 0 : 1;
        }
        return tally;
    }

    // Every viewer of the suite had the fault, and both its writes were refused.
    static void expectEveryViewerFaulted(const Tally& tally)
    {
        const int viewers = int(ViewerRegistry::suiteViewers().size());
        EXPECT_EQ(tally.made, viewers);
        EXPECT_EQ(tally.refused, 2 * viewers);
        EXPECT_EQ(tally.changed, 0);
    }

    TestRoot root;
};

TEST_F(SettingsFaultTest, ADirectoryInPlaceOfTheFileIsKeptForEveryViewer)
{
    const Tally tally = expectEveryWriteRefused(
        [](const Viewer& viewer) {
            const QString path = viewer.workingSettingsPath();
            return QFile::remove(path) && QDir().mkpath(path + QStringLiteral("/kept"));
        },
        writeInProcess);
    std::cout << "faults: " << tally.refused << " writes over a directory, " << tally.changed << " directories changed\n";
    expectEveryViewerFaulted(tally);
}

TEST_F(SettingsFaultTest, AReadOnlyDirectoryKeepsEveryViewersFile)
{
    const PermissionsHonoured asAUser;
    QStringList locked;
    const Tally tally = expectEveryWriteRefused(
        [&](const Viewer& viewer) {
            const QString directory = QFileInfo(viewer.workingSettingsPath()).path();
            locked << directory;
            QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
            // Rights that ignore permissions (root's, where they could not be
            // given up) make no fault.
            QFile probe(directory + QStringLiteral("/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                return false;
            }
            return true;
        },
        writeInProcess);
    for (const QString& directory : locked)
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::cout << "faults: " << tally.refused << " writes into read-only directories, " << tally.changed << " directories changed\n";
    expectEveryViewerFaulted(tally);
}

// A full disk, as a file-size limit on a writer process of its own: the
// limit would otherwise hold for the test program too.
TEST_F(SettingsFaultTest, AFullDiskKeepsEveryViewersFile)
{
    const Tally tally = expectEveryWriteRefused([](const Viewer&) { return true; },
        [](Viewer& viewer) {
            QProcess writer;
            writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer.start(QStringLiteral(KAVEL_SETTINGSWRITER), { viewer.identity().exportName(), QStringLiteral("limited"), QStringLiteral("16") });
            EXPECT_TRUE(writer.waitForFinished(20000));
            EXPECT_EQ(writer.exitCode(), 0);
            return QString::fromUtf8(writer.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        });
    std::cout << "faults: " << tally.refused << " writes onto a full disk, " << tally.changed << " directories changed\n";
    expectEveryViewerFaulted(tally);
}

// The window with its own unload (MIRNOK stops its animation first) says
// which file it could not write and closes all the same.
TEST_F(SettingsFaultTest, TheMirnokWindowReportsTheFileAndStillCloses)
{
    const std::function<bool(const QString& path)> faults[] = {
        [](const QString& path) { return QFile::remove(path) && QDir().mkpath(path + QStringLiteral("/kept")); },
        [](const QString& path) {
            const QString directory = QFileInfo(path).path();
            QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
            QFile probe(directory + QStringLiteral("/probe"));
            return !probe.open(QIODevice::WriteOnly) || !probe.remove();
        },
    };
    int tried = 0; // faults made
    int closed = 0;
    const PermissionsHonoured asAUser;
    for (std::size_t n = 0; n < std::size(faults); ++n) {
        TestRoot own;
        MirnokViewer viewer;
        MirnokWindow window(viewer);
        window.Form_Load();
        window.show();
        window.animeButton()->click();
        const QString path = viewer.workingSettingsPath();
        const QString directory = QFileInfo(path).path();
        const bool made = faults[n](path);
        const DirectorySnapshot before(directory);
        ModalWatcher watcher;
        QString text;
        EXPECT_TRUE(made) << "fault " << n << " could not be made";
        if (made)
            watcher.expectMessage(&text);
        window.button(6)->click();
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(window.timer1()->isActive());
        closed += window.isVisible() ? 0 : 1;
        if (!made)
            continue;
        ++tried;
        EXPECT_EQ(watcher.answered(), 1);
        EXPECT_TRUE(text.contains(path)) << text.toStdString();
        EXPECT_TRUE(DirectorySnapshot(directory) == before);
    }
    std::cout << "faults: " << tried << " unwritable MIRNOK settings through the window, " << closed << " windows closed\n";
    EXPECT_EQ(tried, 2);
    EXPECT_EQ(closed, 2);
}

} // namespace
} // namespace kavel::test
