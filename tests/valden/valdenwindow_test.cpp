#include "support/windowtest.h"

#include "valden/valdeneditdialogs.h"
#include "valden/valdenviewer.h"
#include "valden/valdenwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/valdens/valdens.tmp");
const QString kFactoryFile = QStringLiteral("Gavrine/valdens/valdens.org");
// The files of the older VALDEN beside, which "5:Default" keeps in step.
const QString kLegacyFactoryFile = QStringLiteral("Gavrine/valden/valden.org");
const QString kLegacyWorkingFile = QStringLiteral("Gavrine/valden/valden.tmp");

using ValdenWindowTest = WindowTest<ValdenViewer, ValdenWindow, ValdenEditDialog>;

// The sample working file with other ranges, as a user's last session
// would leave it.
QByteArray edited(const QByteArray& sample)
{
    return QByteArray(sample).replace(" 0   200   0   350 ", "-50   150   0   300 ");
}

TEST_F(ValdenWindowTest, ShowsTheCaptionSixButtonsAndTheChartButton)
{
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("valden/D  Drawing"));
    EXPECT_EQ(buttonCaptions(), (QStringList { "1:File", "2:Edit", "3:Plot", "4:Print", "5: Default", "6:Quit" }));
    QPushButton* gauss = window->chartButton();
    ASSERT_NE(gauss, nullptr);
    EXPECT_EQ(gauss->objectName(), QStringLiteral("Command7"));
    EXPECT_EQ(gauss->text(), QStringLiteral("Gauss"));
    EXPECT_TRUE(gauss->isVisible());

    // It stays between the picture and the row of buttons, over "6:Quit",
    // however large the window.
    for (const QSize size : { window->size(), QSize(1400, 900) }) {
        window->resize(size);
        const QRect b = gauss->geometry();
        EXPECT_GE(b.top(), window->picture()->geometry().bottom()) << size.width();
        EXPECT_LT(b.bottom(), window->button(6)->geometry().top()) << size.width();
        EXPECT_GT(b.right(), window->button(6)->geometry().center().x()) << size.width();
    }
}

TEST_F(ValdenWindowTest, StartDrawsTheXYChartWithEveryCurveShown)
{
    root.write(kWorkingFile, edited(root.read(kWorkingFile)));
    start();
    EXPECT_EQ(viewer->settings.Xmin, -50);
    EXPECT_EQ(viewer->settings.Ymax, 300);
    EXPECT_EQ(viewer->ChartMode, 1);
    EXPECT_EQ(viewer->ShowCurve, ShowCurveFlags::atStart());
    EXPECT_EQ(QDir::cleanPath(viewer->dataPath), QDir::cleanPath(root.path("data/valden.mac")));
    EXPECT_EQ(viewer->data.N2, 6);
    EXPECT_EQ(plots, 1);
    const QStringList texts = pictureTexts();
    EXPECT_TRUE(texts.contains(viewer->settings.XYTitle));
    EXPECT_TRUE(texts.contains(viewer->settings.DampingTitle));
    EXPECT_EQ(texts.back(), viewer->data.FileComment);
}

TEST_F(ValdenWindowTest, ChartButtonSwitchesChartCaptionAndDialog)
{
    start();
    window->chartButton()->click();
    EXPECT_EQ(window->chartButton()->text(), QStringLiteral("XY"));
    EXPECT_EQ(viewer->ChartMode, 2);
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(pictureTexts().contains(viewer->settings.GaussTitle));
    EXPECT_FALSE(pictureTexts().contains(viewer->settings.XYTitle));
    ValdenEditDialog* gauss = openEdit();
    ASSERT_NE(gauss, nullptr);
    EXPECT_EQ(gauss->windowTitle(), QStringLiteral("valden-Gauss  Editing"));
    gauss->reject();

    window->chartButton()->click();
    EXPECT_EQ(window->chartButton()->text(), QStringLiteral("Gauss"));
    EXPECT_EQ(viewer->ChartMode, 1);
    EXPECT_TRUE(pictureTexts().contains(viewer->settings.XYTitle));
    QPointer<ValdenEditDialog> xy = openEdit();
    ASSERT_NE(xy, nullptr);
    EXPECT_EQ(xy->windowTitle(), QStringLiteral("valden-XY  Editing"));

    // With the XY dialog still open, "2:Edit" on the Gauss chart opens the
    // Gauss dialog; the XY one closes as by Cancel.
    xy->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("77"));
    window->chartButton()->click();
    const int before = plots;
    ValdenEditDialog* next = openEdit();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->objectName(), QStringLiteral("Form3"));
    EXPECT_TRUE(!xy || !xy->isVisible());
    EXPECT_NE(viewer->settings.Xmin, 77);
    EXPECT_EQ(plots, before);
}

TEST_F(ValdenWindowTest, KeysOneToSixActAndThereIsNoKeyForTheChartButton)
{
    start();
    QWidget* focus = window->chartButton();
    focus->setFocus();
    QTest::keyClick(focus, '3');
    EXPECT_EQ(plots, 2);
    QTest::keyClick(focus, '7');
    QTest::keyClick(focus, 'g');
    EXPECT_EQ(viewer->ChartMode, 1);
    EXPECT_EQ(plots, 2);

    watcher.expect([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("valden/F File Open"));
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::keyClick(focus, '1');
    EXPECT_EQ(watcher.answered(), 1);

    QTest::keyClick(focus, '2');
    auto* dialog = window->findChild<EditDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();

    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(printedFileStart([&] { QTest::keyClick(focus, '4'); }, "valden.pdf"), "%PDF-");
    }

    // VALDEN has the key for Default.
    root.write(kWorkingFile, edited(root.read(kWorkingFile)));
    QString text;
    watcher.expectMessage(&text);
    QTest::keyClick(focus, '5');
    EXPECT_EQ(text, kDefaultRestored);
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(plots, 3);

    viewer->settings.XYTitle = QStringLiteral("Quit by key");
    QTest::keyClick(focus, '6');
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(root.read(kWorkingFile).contains("\r\nQuit by key\r\n"));
}

TEST_F(ValdenWindowTest, DefaultRestoresTheFileTheViewerReadsAndTheOlderOneBeside)
{
    root.write(kWorkingFile, edited(root.read(kWorkingFile)));
    root.write(kLegacyWorkingFile, edited(root.read(kLegacyWorkingFile)));
    start();
    ASSERT_EQ(viewer->settings.Xmax, 150);

    QString title = QStringLiteral("unset"), text;
    watcher.expectMessage(&text, &title);
    window->button(5)->click();
    EXPECT_EQ(text, kDefaultRestored);
    EXPECT_EQ(title, QString());
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(root.read(kLegacyWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(viewer->settings.Xmin, 0);
    EXPECT_EQ(viewer->settings.Xmax, 200);
    EXPECT_EQ(plots, 2);

    window->button(6)->click();
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
}

TEST_F(ValdenWindowTest, DefaultTakesTheOlderFactoryFileWhereItIsTheOnlyOne)
{
    ASSERT_TRUE(QFile::remove(root.path(kFactoryFile)));
    const QByteArray older = edited(root.read(kLegacyFactoryFile)).replace("-50   150", " 0   120");
    root.write(kLegacyFactoryFile, older);
    start();
    watcher.expect([](QWidget* modal) { acceptMessage(modal); });
    window->button(5)->click();
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(root.read(kWorkingFile), older);
    EXPECT_EQ(root.read(kLegacyWorkingFile), older);
    EXPECT_EQ(viewer->settings.Xmax, 120);
}

TEST_F(ValdenWindowTest, DefaultWithoutTheOlderDirectoryRestoresOnlyItsOwnFile)
{
    ASSERT_TRUE(QDir(root.path("Gavrine/valden")).removeRecursively());
    root.write(kWorkingFile, edited(root.read(kWorkingFile)));
    start();
    QString text;
    watcher.expectMessage(&text);
    window->button(5)->click();
    EXPECT_EQ(text, kDefaultRestored);
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_FALSE(QFileInfo::exists(root.path("Gavrine/valden")));
}

TEST_F(ValdenWindowTest, DefaultWithoutAnyFactoryFileSaysWhichAndDoesNotClaimSuccess)
{
    ASSERT_TRUE(QFile::remove(root.path(kFactoryFile)));
    ASSERT_TRUE(QFile::remove(root.path(kLegacyFactoryFile)));
    root.write(kWorkingFile, edited(root.read(kWorkingFile)));
    start();
    viewer->settings.XYTitle = QStringLiteral("in memory only");
    defaultWithoutFactory(QStringLiteral("valdens.org"));
    EXPECT_EQ(viewer->settings.Xmax, 150) << "the working file is reread as it is";
    EXPECT_NE(viewer->settings.XYTitle, QStringLiteral("in memory only"));
}

TEST_F(ValdenWindowTest, QuitWritesTheSettingsByteForByte)
{
    const QByteArray sample = quitUnchanged(kWorkingFile);

    start();
    viewer->settings.Ylength = 14.1f;
    viewer->settings.ReMin = -1000;
    viewer->settings.CurveWidth = 1;
    window->close();
    const QList<QByteArray> lines = root.read(kWorkingFile).split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], " 0   200   0   350   25   50   20   14.1 \r");
    EXPECT_EQ(lines[1], "-1000   200   0   2000   200   250   16   13 \r");
    EXPECT_EQ(lines[2], " 3   1 \r");
    EXPECT_EQ(lines.mid(3), sample.split('\n').mid(3));
}

// A user's session: the chart at start, a replot, the XY settings and
// boxes edited, the Gauss chart edited, quit; the next start shows the
// edited settings but every curve again, the XY chart and the file's own
// comment.
TEST_F(ValdenWindowTest, EditedSettingsAreThereAtTheNextStartButNotTheFlagsModeOrComment)
{
    start();
    const QString comment = viewer->data.FileComment;
    QTest::keyClick(window->button(3), '3');
    EXPECT_EQ(plots, 2);

    QTest::keyClick(window->button(3), '2');
    auto* xy = window->findChild<ValdenEditDialog*>();
    ASSERT_NE(xy, nullptr);
    xy->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("150"));
    xy->findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("12.5"));
    xy->findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("Edited XY"));
    xy->findChild<QLineEdit*>(QStringLiteral("Text13"))->setText(QStringLiteral("Edited comment"));
    xy->findChild<QCheckBox*>(QStringLiteral("Check1(10)"))->setChecked(false);
    xy->findChild<QCheckBox*>(QStringLiteral("Check1(0)"))->setChecked(false);
    QTest::keyClick(xy->findChild<QLineEdit*>(QStringLiteral("Text12")), Qt::Key_Return);
    EXPECT_EQ(plots, 3);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited XY")));
    // Mode 1 keeps its damping curve in black; its frequency curve is gone.
    int black = 0;
    for (const Op::Line& line : all<Op::Line>(from(picture(), viewer->settings.FrequencyTitle))) {
        if (line.rgb == kBlack)
            ++black;
    }
    EXPECT_EQ(black, viewer->data.N1 - 1);

    window->chartButton()->click();
    ValdenEditDialog* gauss = openEdit();
    ASSERT_NE(gauss, nullptr);
    gauss->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("-600"));
    gauss->findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("Edited Gauss"));
    gauss->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited Gauss")));
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited comment")));
    const QList<QByteArray> lines = quit(kWorkingFile).split('\n');
    EXPECT_EQ(lines[0], " 0   150   0   350   25   50   20   12.5 \r");
    EXPECT_EQ(lines[1], "-600   200   0   2000   200   250   16   13 \r");
    EXPECT_EQ(lines[8], "Edited XY\r");
    EXPECT_EQ(lines[9], "Edited Gauss\r");

    start();
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->settings.Xmax, 150);
    EXPECT_EQ(viewer->settings.Ylength, 12.5f);
    EXPECT_EQ(viewer->settings.ReMin, -600);
    EXPECT_EQ(viewer->ChartMode, 1);
    EXPECT_EQ(window->chartButton()->text(), QStringLiteral("Gauss"));
    EXPECT_EQ(viewer->ShowCurve, ShowCurveFlags::atStart());
    EXPECT_EQ(viewer->data.FileComment, comment);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited XY")));
    EXPECT_EQ(pictureTexts().back(), comment);
}

} // namespace
} // namespace kavel::test
