#include "recordingstarter.h"

#include "support/modalrecorder.h"
#include "support/testroot.h"

#include "launcher/launcherwindow.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

struct AnalysisCase {
    const char* frame;
    const char* run;
    const char* result;
    const char* show;
    const char* job;
    const char* title;
    const char* program;
};

const AnalysisCase kAnalyses[] = {
    { "Frame2", "Command2", "Command20", "Command4", "cmd.exe /c 2.bat SAVLEN.OUT", "2:SAVLEN", "C:\\Kavel\\Gavrine\\savlen\\SAVLENW.exe" },
    { "Frame3", "Command3", "Command21", "Command5", "cmd.exe /c 3.bat MIRNO1.OUT", "3:MIRNO1", "C:\\Kavel\\Gavrine\\mirno1\\MIRNO1W.exe" },
    { "Frame6", "Command13", "Command22", "Command12", "cmd.exe /c 6.bat MIRNOK.OUT", "6:MIRNOK", "C:\\Kavel\\Gavrine\\mirnok\\mirnok.exe" },
    { "Frame5", "Command11", "Command23", "Command10", "cmd.exe /c 8.bat HOLPIX.OUT", "8:HOLPIX", "C:\\Kavel\\Gavrine\\holpix\\holpix.exe" },
    { "Frame8", "Command17", "Command24", "Command16", "cmd.exe /c 22.bat WESPAR.OUT", "22:WESPAR", "C:\\Kavel\\Gavrine\\wespar\\wespar.exe" },
    { "Frame9", "Command18", "Command25", "Command19", "cmd.exe /c 24.bat VALDEN.OUT", "24:VALDEN", "C:\\Kavel\\Gavrine\\valdens\\valdenw.exe" },
    { "Frame7", "Command15", "Command26", "Command14", "cmd.exe /c 25.bat ZEPTALa.OUT", "25:ZEPTALa", "C:\\Kavel\\Gavrine\\zeptal\\zeptalw.exe" },
};

class LauncherWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        window.show();
    }

    QPushButton* button(const char* name) const
    {
        auto* found = window.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QListWidget* file1() const { return window.findChild<QListWidget*>(QStringLiteral("File1")); }
    QLineEdit* text1() const { return window.findChild<QLineEdit*>(QStringLiteral("Text1")); }

    // A click on a file of File1, as the user chooses it.
    void chooseFile(const QString& name)
    {
        const QList<QListWidgetItem*> items = file1()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        file1()->scrollToItem(items[0]);
        QTest::mouseClick(file1()->viewport(), Qt::LeftButton, {}, file1()->visualItemRect(items[0]).center());
        ASSERT_TRUE(items[0]->isSelected());
    }

    // A directory WORK inside the root holding A.DAT and B.DAT, shown in Dir1.
    QString openWorkDirectory()
    {
        EXPECT_TRUE(root.write(QStringLiteral("WORK/A.DAT"), "a"));
        EXPECT_TRUE(root.write(QStringLiteral("WORK/B.DAT"), "b"));
        const QString work = QDir::toNativeSeparators(root.path(QStringLiteral("WORK")));
        EXPECT_TRUE(window.setDirectoryPath(work));
        return work;
    }

    TestRoot root;
    ModalRecorder modals;
    RecordingStarter starter;
    LauncherWindow window { starter };
};

QString textOf(QWidget* widget)
{
    if (auto* b = qobject_cast<QAbstractButton*>(widget))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(widget))
        return g->title();
    if (auto* l = qobject_cast<QLabel*>(widget))
        return l->text();
    return {};
}

} // namespace

TEST_F(LauncherWindowTest, ControlsCarryTheirCaptionsInTheirFrames)
{
    EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kavel ver2008/12"));
    const std::pair<const char*, const char*> captions[] = {
        { "Label1", "Kavel VB" }, { "Label2", "ver 2008.12" },
        { "Frame10", "0 : Edit Input Data" }, { "Frame1", "1 : MODLOD" },
        { "Command1(3)", "MS-EXCEL" }, { "Command1(4)", "Editor" },
        { "Command1(0)", "実\u3000行" }, { "Command1dos(1)", "DOS 実\u3000行" },
        { "Command8", "Lendrix 表示" }, { "Command9", "Mathematica 1m" },
        { "Frame2", "2 : SAVLEN" }, { "Frame3", "3 : DASMOR1" }, { "Frame6", "4:DASMOR6" }, { "Frame5", "5:HOLPIX" },
        { "Frame8", "6:WESPAR" }, { "Frame9", "7:VALDEN" }, { "Frame7", "8:ZEPTALa" },
        { "Frame4", "SM: SubMenu" }, { "Label3", "Torsional Free Vib." }, { "Label4", "Quasi-Modal Model" }, { "Label5", "others" },
        { "Command6", "END" }, { "Command7", "HELP" },
    };
    for (const auto& [name, caption] : captions) {
        auto* widget = window.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(textOf(widget), QString::fromUtf8(caption)) << name;
    }
    // The ideographic space, not an ASCII one.
    EXPECT_EQ(button("Command1(0)")->text().at(1), QChar(0x3000));

    for (const AnalysisCase& c : kAnalyses) {
        auto* frame = window.findChild<QGroupBox*>(QLatin1String(c.frame));
        ASSERT_NE(frame, nullptr) << c.frame;
        const std::pair<const char*, const char*> buttons[] = { { c.run, "実行" }, { c.result, "結果" }, { c.show, "表示" } };
        for (const auto& [name, caption] : buttons) {
            EXPECT_EQ(button(name)->text(), QString::fromUtf8(caption)) << name;
            EXPECT_EQ(button(name)->parentWidget(), frame) << name;
        }
    }
    EXPECT_EQ(button("Command1(3)")->parentWidget()->objectName(), QStringLiteral("Frame10"));
    EXPECT_EQ(button("Command9")->parentWidget()->objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Label4"))->parentWidget()->objectName(), QStringLiteral("Frame4"));
}

TEST_F(LauncherWindowTest, DesignIsScaledFromTwipsWithBoldTimesFonts)
{
    // 15 twips to the pixel; children are placed inside their frames.
    EXPECT_EQ(window.size(), QSize(638, 421));
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Frame5"))->geometry(), QRect(360, 280, 129, 57));
    EXPECT_EQ(button("Command11")->geometry(), QRect(8, 24, 33, 25));
    EXPECT_EQ(button("Command10")->geometry(), QRect(88, 24, 33, 25));
    EXPECT_EQ(button("Command1(0)")->geometry(), QRect(32, 40, 105, 33));
    EXPECT_EQ(button("Command9")->geometry(), QRect(200, 80, 105, 33));
    EXPECT_EQ(button("Command6")->geometry(), QRect(376, 368, 105, 33));
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Drive1"))->geometry(), QRect(32, 72, 321, 20));
    EXPECT_EQ(text1()->geometry(), QRect(32, 192, 321, 18));

    const std::pair<const char*, double> fonts[] = { { "Label1", 26.25 }, { "Label2", 12 }, { "Frame1", 15.75 }, { "Frame5", 12 }, { "Frame4", 12 } };
    for (const auto& [name, points] : fonts) {
        const QFont font = window.findChild<QWidget*>(QLatin1String(name))->font();
        EXPECT_EQ(font.families().value(0), QStringLiteral("Times New Roman")) << name;
        EXPECT_TRUE(font.bold()) << name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), points) << name;
    }
}

TEST_F(LauncherWindowTest, EachAnalysisRunsItsJobHiddenThenSaysDone)
{
    for (const AnalysisCase& c : kAnalyses) {
        starter.lines.clear();
        modals.clear();
        button(c.run)->click();
        EXPECT_EQ(starter.lines, QStringList { QStringLiteral("hidden ") + QLatin1String(c.job) }) << c.run;
        ASSERT_EQ(modals.boxes().size(), 1) << c.run;
        EXPECT_EQ(modals.boxes()[0].title, QLatin1String(c.title));
        EXPECT_EQ(modals.boxes()[0].text, QStringLiteral("終了"));
        EXPECT_EQ(modals.boxes()[0].icon, QMessageBox::NoIcon);
        EXPECT_EQ(modals.boxes()[0].buttons.size(), 1);
    }
}

TEST_F(LauncherWindowTest, EachShowButtonStartsItsViewerByItsPath)
{
    QStringList expected;
    for (const AnalysisCase& c : kAnalyses) {
        button(c.show)->click();
        expected << QStringLiteral("program ") + QLatin1String(c.program);
    }
    button("Command8")->click();
    expected << QStringLiteral("program C:\\Kavel\\Gavrine\\lendrix\\lendrix.exe");
    EXPECT_EQ(starter.lines, expected);
    EXPECT_TRUE(modals.boxes().isEmpty());
}

TEST_F(LauncherWindowTest, ResultHelpAndSubMenuDoNothing)
{
    for (const AnalysisCase& c : kAnalyses)
        button(c.result)->click();
    button("Command7")->click();
    for (const char* label : { "Label3", "Label4", "Label5" })
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(label)), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_TRUE(starter.lines.isEmpty());
    EXPECT_TRUE(modals.boxes().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(LauncherWindowTest, ListsOpenAtTheWorkingDirectory)
{
    EXPECT_EQ(window.directoryPath(), QDir::toNativeSeparators(QDir::currentPath()));
    const QString work = openWorkDirectory();
    EXPECT_EQ(window.directoryPath(), work);
    QStringList listed;
    for (int i = 0; i < file1()->count(); ++i)
        listed << file1()->item(i)->text();
    EXPECT_EQ(listed, (QStringList { QStringLiteral("A.DAT"), QStringLiteral("B.DAT") }));
}

TEST_F(LauncherWindowTest, ModelInputInADirectoryRunsKavelThenOne)
{
    const QString work = openWorkDirectory();
    chooseFile(QStringLiteral("A.DAT"));
    const QString full = work + QDir::separator() + QStringLiteral("A.DAT");
    EXPECT_EQ(text1()->text(), full);
    // The lists, not Text1, give the path.
    text1()->setText(QStringLiteral("typed over"));

    for (const char* name : { "Command1(0)", "Command1(3)", "Command1(4)" }) {
        starter.lines.clear();
        modals.clear();
        button(name)->click();
        EXPECT_EQ(starter.lines, (QStringList {
                                     QStringLiteral("hidden cmd.exe /c kavel.bat %1 MOdlod.out Lendrix").arg(full),
                                     QStringLiteral("hidden cmd.exe /c 1.bat %1 MOdlod.out Lendrix").arg(full),
                                 }))
            << name;
        ASSERT_EQ(modals.boxes().size(), 1) << name;
        EXPECT_EQ(modals.boxes()[0].title, QStringLiteral("1:MODLOD"));
        EXPECT_EQ(modals.boxes()[0].text, QStringLiteral("終了"));
    }
}

TEST_F(LauncherWindowTest, ModelInputAtADriveRootRunsOnlyOneAndAddsNoSeparator)
{
    const QString drive = QDir::toNativeSeparators(QDir::rootPath());
    ASSERT_TRUE(window.setDirectoryPath(drive));
    EXPECT_EQ(window.directoryPath(), drive);
    // Whatever the root holds: its first file, or no choice at all.
    QString name;
    if (file1()->count() > 0) {
        name = file1()->item(0)->text();
        chooseFile(name);
        EXPECT_EQ(text1()->text(), drive + name);
    }
    button("Command1(0)")->click();
    EXPECT_EQ(starter.lines, QStringList { QStringLiteral("hidden cmd.exe /c 1.bat %1 MOdlod.out Lendrix").arg(drive + name) });
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_EQ(modals.boxes()[0].title, QStringLiteral("1:MODLOD"));
}

TEST_F(LauncherWindowTest, NoFileChosenGivesTheDirectoryAndItsSeparator)
{
    const QString work = openWorkDirectory();
    button("Command1(0)")->click();
    ASSERT_EQ(starter.lines.size(), 2);
    EXPECT_EQ(starter.lines[1], QStringLiteral("hidden cmd.exe /c 1.bat %1%2 MOdlod.out Lendrix").arg(work, QDir::separator()));
}

TEST_F(LauncherWindowTest, DosJobRunsOneVisiblyWithNoBox)
{
    const QString work = openWorkDirectory();
    chooseFile(QStringLiteral("B.DAT"));
    button("Command1dos(1)")->click();
    EXPECT_EQ(starter.lines, QStringList { QStringLiteral("visible cmd.exe /c 1.bat %1%2B.DAT MOdlod.out Lendrix.out").arg(work, QDir::separator()) });
    QTest::qWait(50);
    EXPECT_TRUE(modals.boxes().isEmpty());
}

TEST_F(LauncherWindowTest, DirectoryListOpensADirectoryOnDoubleClick)
{
    openWorkDirectory();
    ASSERT_TRUE(root.write(QStringLiteral("WORK/SUB/C.DAT"), "c"));
    window.setDirectoryPath(window.directoryPath()); // the new directory shows
    auto* dir1 = window.findChild<QTreeWidget*>(QStringLiteral("Dir1"));
    const QList<QTreeWidgetItem*> found = dir1->findItems(QStringLiteral("SUB"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    dir1->scrollToItem(found[0]);
    const QPoint at = dir1->visualItemRect(found[0]).center();
    QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(window.directoryPath(), QDir::toNativeSeparators(root.path(QStringLiteral("WORK/SUB"))));
    ASSERT_EQ(file1()->count(), 1);
    EXPECT_EQ(file1()->item(0)->text(), QStringLiteral("C.DAT"));
}

TEST_F(LauncherWindowTest, UnreadableDriveSaysNoDeviceAndKeepsTheLists)
{
    const QString work = openWorkDirectory();
    auto* drive1 = window.findChild<QComboBox*>(QStringLiteral("Drive1"));
    const QString shown = drive1->currentText();
    drive1->addItem(QStringLiteral("/no-such-drive/"), QStringLiteral("/no-such-drive/"));
    drive1->setFocus();
    QTest::keyClick(drive1, Qt::Key_End);
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_EQ(modals.boxes()[0].title, QStringLiteral("File Open"));
    EXPECT_EQ(modals.boxes()[0].text, QStringLiteral("No Device"));
    EXPECT_EQ(modals.boxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(drive1->currentText(), shown);
    EXPECT_EQ(window.directoryPath(), work);
    EXPECT_EQ(file1()->count(), 2);
}

TEST_F(LauncherWindowTest, JobThatCannotStartIsNamedAndNotCalledDone)
{
    starter.refuse << QStringLiteral("8.bat");
    button("Command11")->click();
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_EQ(modals.boxes()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(modals.boxes()[0].text.contains(QStringLiteral("8.bat"))) << modals.boxes()[0].text.toStdString();

    // One of the two model-input jobs started: it runs, so "終了" follows.
    modals.clear();
    starter.refuse = { QStringLiteral("kavel.bat") };
    openWorkDirectory();
    button("Command1(0)")->click();
    ASSERT_EQ(modals.boxes().size(), 2);
    EXPECT_TRUE(modals.boxes()[0].text.contains(QStringLiteral("kavel.bat")));
    EXPECT_EQ(modals.boxes()[1].text, QStringLiteral("終了"));
    ASSERT_EQ(starter.lines.size(), 1);
    EXPECT_TRUE(starter.lines[0].startsWith(QStringLiteral("hidden cmd.exe /c 1.bat ")));

    modals.clear();
    starter.refuse = { QStringLiteral("C:\\Kavel\\Gavrine\\zeptal\\zeptalw.exe") };
    button("Command14")->click();
    ASSERT_EQ(modals.boxes().size(), 1);
    EXPECT_TRUE(modals.boxes()[0].text.contains(QStringLiteral("zeptalw.exe")));
}

TEST_F(LauncherWindowTest, EndClosesTheLauncherAtOnce)
{
    QTimer press;
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, [this] { button("Command6")->click(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    press.start(0);
    guard.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(modals.boxes().isEmpty());
    EXPECT_TRUE(starter.lines.isEmpty());
}

TEST_F(LauncherWindowTest, MathematicaFollowsTheMatrixExport)
{
    const QStringList files { QStringLiteral("mdata16.dat"), QStringLiteral("kdata16.dat"), QStringLiteral("gdata16.dat"),
                              QStringLiteral("zzahyo.dat"), QStringLiteral("ttmsnd.dat"), QStringLiteral("fc.dat") };
    button("Command9")->click();
    for (const QString& name : files) {
        const QByteArray bytes = root.read(QStringLiteral("data/") + name);
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
    }
    EXPECT_EQ(starter.lines, QStringList { QStringLiteral("program C:\\Program Files\\Wolfram Research\\Mathematica\\5.2\\Mathematica.exe C:\\Kavel\\Gavrine\\lendrix\\lendrix.nb") });
    EXPECT_TRUE(modals.boxes().isEmpty());
}

TEST_F(LauncherWindowTest, MathematicaIsNotStartedWhenTheExportStops)
{
    const QList<QByteArray> lines = root.read(QStringLiteral("data/lendrix.mac")).split('\n');
    ASSERT_GT(lines.size(), 4);
    ASSERT_TRUE(root.write(QStringLiteral("data/lendrix.mac"), lines.mid(0, 4).join('\n')));
    button("Command9")->click();
    EXPECT_TRUE(starter.lines.isEmpty());
    ASSERT_EQ(modals.boxes().size(), 1);
    const QString text = modals.boxes()[0].text;
    EXPECT_EQ(modals.boxes()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(text.contains(root.path(QStringLiteral("data/lendrix.mac")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("line"))) << text.toStdString();
    EXPECT_TRUE(root.read(QStringLiteral("data/mdata16.dat")).isEmpty());
}

} // namespace kavel::test
