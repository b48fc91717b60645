#include "support/windowtest.h"

#include "savlen/savlenviewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/savlen/savlen.tmp");
const QString kFactoryFile = QStringLiteral("Gavrine/savlen/savlen.org");

// The common main window as SAVLEN has it: SAVLEN adds nothing to it.
using SavlenWindowTest = WindowTest<SavlenViewer>;

// The sample working file with other numbers, as a user's last session
// would leave it.
QByteArray editedSettings(const QByteArray& sample)
{
    return QByteArray(sample).replace(" 0   1200   100   22 ", "-100   900   50   20 ");
}

TEST_F(SavlenWindowTest, ShowsCaptionPictureAndTheSixButtonsInOrder)
{
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("SAVLEN/D  Drawing"));
    const QStringList captions { "1:File", "2:Edit", "3:Plot", "4:Print", "5:Default", "6:Quit" };
    for (int n = 1; n <= 6; ++n) {
        QPushButton* button = window->button(n);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), QStringLiteral("Command%1").arg(n));
        EXPECT_EQ(button->text(), captions[n - 1]);
        EXPECT_TRUE(button->isVisible());
    }

    // Larger than designed, the picture takes the room and the buttons keep
    // their order and their share of the width, under the picture.
    window->resize(1200, 800);
    const QRect picture = window->picture()->geometry();
    EXPECT_EQ(picture.topLeft(), QPoint(0, 0));
    EXPECT_EQ(picture.width(), 1200);
    EXPECT_GT(picture.height(), 700);
    const int designedLeft[] = { 555, 1680, 2880, 4080, 5280, 6480 };
    for (int n = 1; n <= 6; ++n) {
        const QRect b = window->button(n)->geometry();
        EXPECT_GT(b.top(), picture.bottom());
        EXPECT_LE(b.bottom(), 800);
        EXPECT_NEAR(b.left(), designedLeft[n - 1] * 1200.0 / 7875, 2) << n;
        EXPECT_NEAR(b.width(), 973 * 1200.0 / 7875, 2) << n;
    }
}

TEST_F(SavlenWindowTest, StartDrawsTheChartFromTheWorkingSettingsAndTheDefaultData)
{
    root.write(kWorkingFile, editedSettings(root.read(kWorkingFile)));
    start();
    EXPECT_EQ(viewer->settings.X.min, -100);
    EXPECT_EQ(viewer->settings.X.max, 900);
    EXPECT_EQ(QDir::cleanPath(viewer->dataPath), QDir::cleanPath(root.path("data/savlen.mac")));
    EXPECT_EQ(viewer->ShowNumbers, 0);
    EXPECT_EQ(plots, 1);
    ASSERT_FALSE(picture().empty());
    EXPECT_TRUE(std::holds_alternative<Op::Clear>(picture().front()));
    EXPECT_TRUE(textsOf(picture()).contains(viewer->model.FileComment));
    EXPECT_TRUE(viewer->model.FileComment.startsWith(QStringLiteral("R1 3-stage")));
}

TEST_F(SavlenWindowTest, KeysActWhicheverButtonHasTheFocus)
{
    start();
    QWidget* focus = window->button(3);
    focus->setFocus();

    QTest::keyClick(focus, '3');
    EXPECT_EQ(plots, 2);

    watcher.expect([](QWidget* modal) {
        EXPECT_TRUE(qobject_cast<FileOpenDialog*>(modal));
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("SAVLEN/F File Open"));
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::keyClick(window->button(1), '1');
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(plots, 2);

    QTest::keyClick(focus, '2');
    auto* dialog = window->findChild<EditDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();

    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(printedFileStart([&] { QTest::keyClick(focus, '4'); }, "chart.pdf"), "%PDF-");
    }

    // SAVLEN has no key for Default: only the button restores the factory file.
    root.write(kWorkingFile, editedSettings(root.read(kWorkingFile)));
    const QByteArray before = root.read(kWorkingFile);
    QTest::keyClick(focus, '5');
    EXPECT_EQ(root.read(kWorkingFile), before);
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(watcher.answered(), 1);

    viewer->settings.Title = QStringLiteral("Quit by key");
    QTest::keyClick(focus, '6');
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(root.read(kWorkingFile).endsWith("Quit by key\r\n"));
}

TEST_F(SavlenWindowTest, OtherKeysAndKeysWithControlAreIgnored)
{
    start();
    QTest::keyClick(window->button(1), 'a');
    QTest::keyClick(window->button(1), '3', Qt::ControlModifier);
    QTest::keyClick(window->button(1), '7');
    EXPECT_EQ(plots, 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SavlenWindowTest, DefaultRestoresTheFactoryFileAndQuitKeepsIt)
{
    root.write(kWorkingFile, editedSettings(root.read(kWorkingFile)));
    start();
    ASSERT_EQ(viewer->settings.X.max, 900);

    QString title = QStringLiteral("unset");
    QString text;
    watcher.expectMessage(&text, &title);
    window->button(5)->click();
    EXPECT_EQ(text, kDefaultRestored);
    EXPECT_EQ(title, QString());
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(viewer->settings.X.min, 0);
    EXPECT_EQ(viewer->settings.X.max, 1200);
    EXPECT_EQ(plots, 2);

    window->button(6)->click();
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
}

TEST_F(SavlenWindowTest, DefaultWithoutAFactoryFileSaysWhichFileAndDoesNotClaimSuccess)
{
    root.write(kWorkingFile, editedSettings(root.read(kWorkingFile)));
    ASSERT_TRUE(QFile::remove(root.path(kFactoryFile)));
    start();
    viewer->settings.Title = QStringLiteral("in memory only");
    defaultWithoutFactory(QStringLiteral("savlen.org"));
    // The working file is reread as it is.
    EXPECT_EQ(viewer->settings.X.max, 900);
    EXPECT_NE(viewer->settings.Title, QStringLiteral("in memory only"));
}

TEST_F(SavlenWindowTest, QuitWritesTheSettingsByteForByte)
{
    const QByteArray sample = quitUnchanged(kWorkingFile);

    start();
    viewer->settings.X.min = -100;
    viewer->settings.Y.pitch = 0.5;
    viewer->settings.ContourMode = 2;
    viewer->settings.Title = QStringLiteral("a, b");
    window->close();
    const QList<QByteArray> lines = sample.split('\n');
    const QByteArray expected = "-100   1200   100   22 \r\n"
                                "-250   250   .5   9 \r\n"
                                " 3   0   2 \r\n"
        + lines[3] + '\n' + lines[4] + '\n' + "a, b\r\n";
    EXPECT_EQ(root.read(kWorkingFile), expected);
}

TEST_F(SavlenWindowTest, SettingsThatCannotBeWrittenAreReportedAndTheWindowStillCloses)
{
    ASSERT_TRUE(QFile::remove(root.path(kWorkingFile)));
    ASSERT_TRUE(QDir().mkdir(root.path(kWorkingFile)));
    start();

    QString text;
    watcher.expectMessage(&text);
    window->button(6)->click();
    EXPECT_TRUE(text.contains(root.path(kWorkingFile))) << text.toStdString();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFileInfo(root.path(kWorkingFile)).isDir());
}

TEST_F(SavlenWindowTest, ReadingReportTellsWhereTheDataStoppedWithoutAWordInTheChart)
{
    // A solver still writing: the file breaks off in its second point line.
    const QByteArray sample = root.read(QStringLiteral("data/savlen.mac"));
    const qsizetype cut = sample.indexOf('\n', sample.indexOf('\n', sample.indexOf('\n', sample.indexOf('\n') + 1) + 1) + 1);
    root.write(QStringLiteral("data/savlen.mac"), sample.left(cut + 8));
    start();
    const QString tip = window->picture()->toolTip();
    EXPECT_TRUE(tip.startsWith(root.path(QStringLiteral("data/savlen.mac")) + QStringLiteral(", line 5"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(root.path(kWorkingFile) + QStringLiteral(": read to its end"))) << tip.toStdString();
    EXPECT_FALSE(textsOf(picture()).join(QLatin1Char(' ')).contains(QStringLiteral("line 5")));

    QString text;
    watcher.expectMessage(&text);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->button(3), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(text, tip);
    EXPECT_EQ(plots, 1);
    // The picture's context menu holds the same report, and the results
    // panel.
    const QList<QAction*> menu = window->picture()->actions();
    ASSERT_GE(menu.size(), 2);
    EXPECT_EQ(menu.front()->text(), QStringLiteral("Reading report"));
    EXPECT_EQ(menu.at(1)->text(), QStringLiteral("Results panel"));
}

TEST_F(SavlenWindowTest, EditedSettingsAreThereAtTheNextStartButNotTheComment)
{
    start();
    const QString comment = viewer->model.FileComment;
    window->button(2)->click();
    auto* dialog = window->findChild<EditDialog*>();
    ASSERT_NE(dialog, nullptr);
    auto* xmax = dialog->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* title = dialog->findChild<QLineEdit*>(QStringLiteral("Text11"));
    auto* fileComment = dialog->findChild<QLineEdit*>(QStringLiteral("Text12"));
    ASSERT_TRUE(xmax && title && fileComment);
    xmax->setText(QStringLiteral("900"));
    title->setText(QStringLiteral("Edited title"));
    fileComment->setText(QStringLiteral("Edited comment"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_TRUE(textsOf(picture()).contains(QStringLiteral("Edited comment")));
    window->button(6)->click();

    start();
    EXPECT_EQ(viewer->settings.X.max, 900);
    EXPECT_EQ(viewer->settings.Title, QStringLiteral("Edited title"));
    EXPECT_EQ(viewer->model.FileComment, comment);
    EXPECT_TRUE(textsOf(picture()).contains(QStringLiteral("Edited title")));
}

TEST_F(SavlenWindowTest, EditOpensOneDialogAtATimeAndQuitClosesIt)
{
    start();
    window->button(2)->click();
    window->button(2)->click();
    QApplication::processEvents();
    const QList<EditDialog*> dialogs = window->findChildren<EditDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    QPointer<EditDialog> dialog = dialogs.front();
    EXPECT_TRUE(dialog->isVisible());

    window->button(6)->click();
    EXPECT_FALSE(dialog && dialog->isVisible());
}

TEST_F(SavlenWindowTest, PrintIntoAFileThatCannotBeWrittenSaysWhichFile)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed";
    start();
    const QString pdf = root.path("no/such/directory/chart.pdf");
    ViewerWindow::setPrintFileChooser([pdf](QWidget*, const QString&) { return pdf; });
    QString text;
    watcher.expectMessage(&text);
    window->button(4)->click();
    ViewerWindow::setPrintFileChooser({});
    EXPECT_TRUE(text.contains(pdf)) << text.toStdString();

    // A cancelled file choice prints nothing and says nothing.
    ViewerWindow::setPrintFileChooser([](QWidget*, const QString&) { return QString(); });
    window->button(4)->click();
    ViewerWindow::setPrintFileChooser({});
    EXPECT_EQ(watcher.answered(), 1);
}

} // namespace
} // namespace kavel::test
