#include "support/modalrecorder.h"
#include "support/programs.h"
#include "support/testroot.h"

#include "launcher/chosenfile.h"
#include "launcher/hostprocessstarter.h"
#include "launcher/launcherwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// A stand-in batch file that writes each argument it was given on a line of
// its own, between < and >, into args-NAME.txt beside itself.
const QByteArray kRecordingBatch =
    "out=\"$(dirname \"$0\")/args-$(basename \"$0\" .bat).txt\"\n"
    "for a in \"$@\"; do printf '<%s>\\n' \"$a\"; done > \"$out.part\" && mv \"$out.part\" \"$out\"\n";

// Sets PATH for as long as it lives.
class SearchPath {
public:
    explicit SearchPath(const QString& path)
        : m_previous(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~SearchPath() { qputenv("PATH", m_previous); }

private:
    QByteArray m_previous;
};

class HostStarterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        window.show();
    }

    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(QLatin1String(name)); }
    bool exists(const QString& relative) const { return QFile::exists(root.path(relative)); }
    bool appears(const QString& relative) const
    {
        return waitUntil([&] { return exists(relative); });
    }

    // A file is there before its writer has written it: wait for the whole
    // text, not for the name.
    bool holds(const QString& relative, const QByteArray& text) const
    {
        return waitUntil([&] { return root.read(relative) == text; });
    }

    void chooseFile(const QString& name)
    {
        auto* file1 = window.findChild<QListWidget*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items = file1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        file1->scrollToItem(items[0]);
        QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, file1->visualItemRect(items[0]).center());
    }

    TestRoot root;
    ModalRecorder modals;
    HostProcessStarter starter { root.path() };
    LauncherWindow window { starter };
};

} // namespace

TEST(ChosenFile, DriveRootTakesNoSecondSeparator)
{
    EXPECT_EQ(ChosenFilePath(QStringLiteral("C:\\"), QStringLiteral("A.DAT")), QStringLiteral("C:\\A.DAT"));
    EXPECT_EQ(ChosenFilePath(QStringLiteral("C:\\WORK"), QStringLiteral("A.DAT")), QStringLiteral("C:\\WORK\\A.DAT"));
    EXPECT_EQ(ChosenFilePath(QStringLiteral("C:\\WORK"), QString()), QStringLiteral("C:\\WORK\\"));
    EXPECT_EQ(ChosenFilePath(QStringLiteral("/"), QStringLiteral("A.DAT")), QStringLiteral("/A.DAT"));
    EXPECT_EQ(ChosenFilePath(QStringLiteral("/home/k"), QStringLiteral("A.DAT")), QStringLiteral("/home/k/A.DAT"));
    EXPECT_TRUE(IsDriveRoot(QStringLiteral("C:\\")));
    EXPECT_TRUE(IsDriveRoot(QStringLiteral("/")));
    EXPECT_FALSE(IsDriveRoot(QStringLiteral("C:\\WORK")));
    EXPECT_FALSE(IsDriveRoot(QStringLiteral("/home")));
}

TEST(LocateProgram, ViewersAreTakenUnderTheRootWithoutExe)
{
    TestRoot root;
    ASSERT_TRUE(root.write(QStringLiteral("Gavrine/holpix/holpix"), "#!/bin/sh\n", FileMode::Executable));
    EXPECT_EQ(LocateProgram(QStringLiteral("C:\\Kavel\\Gavrine\\holpix\\holpix.exe")), root.path(QStringLiteral("Gavrine/holpix/holpix")));
    // The root's names are matched without regard to case.
    EXPECT_EQ(LocateProgram(QStringLiteral("c:\\KAVEL\\gavrine\\HOLPIX\\holpix.exe")), root.path(QStringLiteral("Gavrine/holpix/holpix")));

    QString looked;
    EXPECT_EQ(LocateProgram(QStringLiteral("C:\\Kavel\\Gavrine\\wespar\\wespar.exe"), &looked), QString());
    EXPECT_EQ(looked, root.path(QStringLiteral("Gavrine/wespar/wespar")));
    // A file that is there but cannot run is no program.
    ASSERT_TRUE(root.write(QStringLiteral("Gavrine/wespar/wespar"), "#!/bin/sh\n"));
    EXPECT_EQ(LocateProgram(QStringLiteral("C:\\Kavel\\Gavrine\\wespar\\wespar.exe")), QString());
}

TEST(LocateProgram, FrontEndIsLookedUpOnTheSearchPath)
{
    TestRoot root;
    const QString program = QStringLiteral("C:\\Program Files\\Wolfram Research\\Mathematica\\5.2\\Mathematica.exe");
    SearchPath path(root.path(QStringLiteral("bin")));
    QString looked;
    EXPECT_EQ(LocateProgram(program, &looked), QString());
    EXPECT_EQ(looked, QStringLiteral("Mathematica or mathematica on the search path"));
    ASSERT_TRUE(root.write(QStringLiteral("bin/mathematica"), "#!/bin/sh\n", FileMode::Executable));
    EXPECT_EQ(LocateProgram(program), root.path(QStringLiteral("bin/mathematica")));
}

TEST(LocateBatchFile, WorkingDirectoryFirstThenTheSearchPath)
{
    TestRoot root;
    ASSERT_TRUE(root.write(QStringLiteral("bin/9.bat"), "exit 0\n"));
    const QStringList directories { root.path(), root.path(QStringLiteral("bin")) };
    EXPECT_EQ(LocateBatchFile(QStringLiteral("8.bat"), directories), root.path(QStringLiteral("8.bat")));
    EXPECT_EQ(LocateBatchFile(QStringLiteral("9.bat"), directories), root.path(QStringLiteral("bin/9.bat")));
    EXPECT_EQ(LocateBatchFile(QStringLiteral("10.bat"), directories), QString());
    // A directory of the name is no batch file.
    ASSERT_TRUE(QDir().mkpath(root.path(QStringLiteral("11.bat"))));
    EXPECT_EQ(LocateBatchFile(QStringLiteral("11.bat"), directories), QString());

    SearchPath path(root.path(QStringLiteral("bin")));
    const QStringList looked = BatchFileSearch::from(root.path()).directories();
    EXPECT_EQ(looked.value(0), root.path());
    // An installation puts the batch files beside the launcher.
    EXPECT_EQ(looked.value(1), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(looked.contains(root.path(QStringLiteral("bin"))));
}

// The road: "実行" in the HOLPIX frame runs 8.bat from the root, which
// leaves the map where the viewer reads it; "表示" starts the viewer.
TEST_F(HostStarterTest, HolpixJobLeavesTheMapAndShowStartsTheViewer)
{
    ASSERT_TRUE(QFile::remove(root.path(QStringLiteral("data/holpix.mac"))));
    button("Command11")->click();
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_EQ(modals.boxes()[0].title, QStringLiteral("8:HOLPIX"));
    EXPECT_EQ(modals.boxes()[0].text, QStringLiteral("終了"));
    ASSERT_TRUE(holds(QStringLiteral("HOLPIX.OUT"), "8.bat\ndata/holpix.mac\n")) << root.read(QStringLiteral("HOLPIX.OUT")).toStdString();
    EXPECT_EQ(root.read(QStringLiteral("data/holpix.mac")), root.read(QStringLiteral("samples/holpix.mac")));

    // Until the viewer is installed "表示" names what is missing.
    modals.clear();
    button("Command10")->click();
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_TRUE(modals.boxes()[0].text.contains(QStringLiteral("C:\\Kavel\\Gavrine\\holpix\\holpix.exe"))) << modals.boxes()[0].text.toStdString();
    EXPECT_TRUE(modals.boxes()[0].text.contains(root.path(QStringLiteral("Gavrine/holpix/holpix"))));

    modals.clear();
    ASSERT_TRUE(root.write(QStringLiteral("Gavrine/holpix/holpix"), "#!/bin/sh\necho \"$#\" > \"$(dirname \"$0\")/started\"\n", FileMode::Executable));
    button("Command10")->click();
    EXPECT_TRUE(holds(QStringLiteral("Gavrine/holpix/started"), "0\n")) << root.read(QStringLiteral("Gavrine/holpix/started")).toStdString();
    EXPECT_TRUE(modals.boxes().isEmpty());
}

TEST_F(HostStarterTest, EveryStandInPlacesItsSample)
{
    const std::tuple<const char*, const char*, const char*> jobs[] = {
        { "Command2", "SAVLEN.OUT", "savlen.mac" }, { "Command3", "MIRNO1.OUT", "mirno1.mac" },
        { "Command13", "MIRNOK.OUT", "mirnok.mac" }, { "Command17", "WESPAR.OUT", "wespar.mac" },
        { "Command18", "VALDEN.OUT", "valden.mac" }, { "Command15", "ZEPTALa.OUT", "zeptala.mac" },
    };
    for (const auto& [name, log, result] : jobs) {
        const QString data = QStringLiteral("data/") + QLatin1String(result);
        ASSERT_TRUE(root.write(data, "stale"));
        button(name)->click();
        ASSERT_TRUE(appears(QLatin1String(log))) << name;
        EXPECT_EQ(root.read(data), root.read(QStringLiteral("samples/") + QLatin1String(result))) << name;
    }
    EXPECT_EQ(modals.boxes().size(), 6);
}

TEST_F(HostStarterTest, ModelInputJobsPlaceTheModels)
{
    ASSERT_TRUE(root.write(QStringLiteral("WORK/A.DAT"), "model"));
    ASSERT_TRUE(root.write(QStringLiteral("data/lendrix.mac"), "stale"));
    ASSERT_TRUE(root.write(QStringLiteral("data/savlen.mac"), "stale"));
    ASSERT_TRUE(window.setDirectoryPath(root.path(QStringLiteral("WORK"))));
    chooseFile(QStringLiteral("A.DAT"));
    button("Command1(0)")->click();
    // The two jobs run side by side; each adds its lines to the log.
    ASSERT_TRUE(waitUntil([&] {
        const QByteArray log = root.read(QStringLiteral("MOdlod.out"));
        return log.contains("1.bat\n") && log.contains("kavel.bat\n");
    }));
    EXPECT_TRUE(waitUntil([&] { return root.read(QStringLiteral("data/lendrix.mac")) == root.read(QStringLiteral("samples/lendrix.mac")); }));
    EXPECT_TRUE(waitUntil([&] { return root.read(QStringLiteral("data/savlen.mac")) == root.read(QStringLiteral("samples/savlen.mac")); }));
    EXPECT_TRUE(root.read(QStringLiteral("MOdlod.out")).contains("input: " + root.path(QStringLiteral("WORK/A.DAT")).toUtf8()));
}

TEST_F(HostStarterTest, MissingBatchFileIsNamedBeforeAnythingStarts)
{
    ASSERT_TRUE(QFile::remove(root.path(QStringLiteral("8.bat"))));
    SearchPath path(root.path(QStringLiteral("bin")));
    button("Command11")->click();
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_EQ(modals.boxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(modals.boxes()[0].text,
        QStringLiteral("8.bat could not be started: it is not in %1 (the working folder), %2 (the launcher's folder) nor on the search path (%3).")
            .arg(root.path(), QCoreApplication::applicationDirPath(), root.path(QStringLiteral("bin"))));
}

TEST(BatchFileSearch, PlacesNameAFolderOnceAndAnEmptySearchPath)
{
    const BatchFileSearch search { QStringLiteral("/opt/kavel"), QStringLiteral("/opt/kavel/"), {} };
    EXPECT_EQ(search.places(), QStringLiteral("in /opt/kavel (the working folder and the launcher's) nor on the search path, which is empty"));
}

TEST_F(HostStarterTest, FrontEndMissingIsNamedAfterTheExport)
{
    SearchPath path(root.path(QStringLiteral("bin")));
    button("Command9")->click();
    for (const char* name : { "mdata16.dat", "kdata16.dat", "gdata16.dat", "zzahyo.dat", "ttmsnd.dat", "fc.dat" })
        EXPECT_TRUE(exists(QStringLiteral("data/") + QLatin1String(name))) << name;
    ASSERT_EQ(modals.boxes().size(), 1);
    const QString text = modals.boxes()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("Mathematica or mathematica"))) << text.toStdString();
    EXPECT_TRUE(text.contains(root.path(QStringLiteral("data")))) << text.toStdString();
}

TEST_F(HostStarterTest, FrontEndOnTheSearchPathGetsTheNotebookOfTheRoot)
{
    ASSERT_TRUE(root.write(QStringLiteral("bin/Mathematica"), "#!/bin/sh\nprintf '<%s>\\n' \"$@\" > \"${0%/*}/notebook\"\n", FileMode::Executable));
    SearchPath path(root.path(QStringLiteral("bin")));
    button("Command9")->click();
    // The file appears before the script has written it whole.
    ASSERT_TRUE(waitUntil([&] { return root.read(QStringLiteral("bin/notebook")).endsWith('\n'); }));
    EXPECT_EQ(root.read(QStringLiteral("bin/notebook")), "<" + root.path(QStringLiteral("Gavrine/lendrix/lendrix.nb")).toUtf8() + ">\n");
    EXPECT_TRUE(modals.boxes().isEmpty());
}

// A chosen path reaches the batch files as one argument, whatever it holds;
// nothing in it runs as a command.
class UnsafeNameTest : public HostStarterTest, public ::testing::WithParamInterface<const char*> {
};

TEST_P(UnsafeNameTest, PathReachesTheBatchFilesAsOneArgument)
{
    ASSERT_TRUE(root.write(QStringLiteral("1.bat"), kRecordingBatch));
    ASSERT_TRUE(root.write(QStringLiteral("kavel.bat"), kRecordingBatch));
    const QString directory = QStringLiteral("in put & co; $HOME");
    const QString name = QString::fromUtf8(GetParam());
    ASSERT_TRUE(root.write(directory + QLatin1Char('/') + name, "model"));
    ASSERT_TRUE(window.setDirectoryPath(root.path(directory)));
    chooseFile(name);
    const QByteArray full = root.path(directory + QLatin1Char('/') + name).toUtf8();

    button("Command1(0)")->click();
    EXPECT_TRUE(holds(QStringLiteral("args-1.txt"), "<" + full + ">\n<MOdlod.out>\n<Lendrix>\n")) << root.read(QStringLiteral("args-1.txt")).toStdString();
    EXPECT_TRUE(holds(QStringLiteral("args-kavel.txt"), "<" + full + ">\n<MOdlod.out>\n<Lendrix>\n")) << root.read(QStringLiteral("args-kavel.txt")).toStdString();

    QFile::remove(root.path(QStringLiteral("args-1.txt")));
    button("Command1dos(1)")->click();
    EXPECT_TRUE(holds(QStringLiteral("args-1.txt"), "<" + full + ">\n<MOdlod.out>\n<Lendrix.out>\n")) << root.read(QStringLiteral("args-1.txt")).toStdString();

    QTest::qWait(200);
    EXPECT_FALSE(exists(QStringLiteral("INJECTED")));
    EXPECT_FALSE(exists(directory + QStringLiteral("/INJECTED")));
}

INSTANTIATE_TEST_SUITE_P(Names, UnsafeNameTest,
    ::testing::Values("a b.dat", "x&y.dat", "p|q.dat", "s;t.dat", "$(touch INJECTED).dat", "`touch INJECTED`.dat",
        "q'u\"o.dat", "$HOME.dat", "-n.dat", "a;touch INJECTED;.dat", "x > INJECTED.dat"));

} // namespace kavel::test
