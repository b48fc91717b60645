#include "lendrixtext.h"

#include "support/windowtest.h"

#include "lendrix/lendrixeditdialog.h"
#include "lendrix/lendrixviewer.h"
#include "lendrix/lendrixwindow.h"

#include "framework/ui/fileopendialog.h"

#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/lendrix/lendrix.tmp");

// The file dialog's lists start at the current directory, the data.
class LendrixWindowTest : public WindowTest<LendrixViewer, LendrixWindow, LendrixEditDialog> {
protected:
    // The dialog opened by the key "2".
    LendrixEditDialog* openEdit()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::keyClick(window->button(3), '2');
        return shownDialog();
    }

    static QCheckBox* box(QWidget* dialog, int index)
    {
        return dialog->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(index));
    }

    CurrentDirectory current { root.path(QStringLiteral("data")) };
};

TEST_F(LendrixWindowTest, StartDrawsTheSampleModelWithEveryColumnAndItsFrequencies)
{
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lendrix/D Drawing"));
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->modeFlags, (LendrixModeFlags { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 }));
    const QStringList texts = pictureTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("No.1   0  Hz")));
    EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral("^No\\.\\d+   \\S+  Hz$"))).size(), 6);
    EXPECT_EQ(texts.back(), viewer->model.FileComment);
    EXPECT_GT(viewer->model.rotor.N, 0);
    // Every column of the sample (2 + 4) is drawn over its 32 stations, in
    // the first six curve colours.
    for (int c = 2; c <= 5; ++c)
        EXPECT_GE(linesIn(picture(), c).size(), 31u) << c;
}

TEST_F(LendrixWindowTest, FileDialogIsQopenAndReadsTheChosenModel)
{
    root.write(QStringLiteral("data/other.mac"), lendrixText(3, kBlock5).toLatin1());
    start();
    watcher.expect([](QWidget* modal) {
        auto* dialog = qobject_cast<FileOpenDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("Qopen"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Lendrix/F  File Open"));
        dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("other.mac"));
        dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    });
    QTest::keyClick(window->button(3), '1');
    EXPECT_EQ(watcher.pending(), 0);
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->model.FileComment, QStringLiteral("Two plus three model"));
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("No.5   50  Hz")));
    EXPECT_GT(viewer->model.rotor.N, 0) << "the rotor model is read again beside it";
}

TEST_F(LendrixWindowTest, DialogShowsTheSettingsTheElevenBoxesAndTheInertBox)
{
    start();
    LendrixEditDialog* dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Lendrix/E  Editing"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), QStringLiteral("1200"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Text12"))->text(), viewer->model.FileComment);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("Text13")), nullptr);
    for (int k = 0; k <= 10; ++k) {
        ASSERT_NE(box(dialog, k), nullptr) << k;
        EXPECT_EQ(box(dialog, k)->isChecked(), k == 10) << k;
        EXPECT_TRUE(box(dialog, k)->isVisible()) << k;
    }
    EXPECT_EQ(box(dialog, 11), nullptr);
    QStringList labels;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        labels << label->text();
    for (const char* caption : { "1", "10", "All", "Number of Element", "NOTE ! :  mm ; Physical length,  cm ; Chart length" })
        EXPECT_TRUE(labels.contains(QString::fromLatin1(caption))) << caption;
    // The units over both axis rows, as in SAVLEN's dialog.
    EXPECT_EQ(labels.count(QStringLiteral("(mm)")), 4);
    EXPECT_EQ(labels.count(QStringLiteral("(cm)")), 2);

    // Columns 2 and 4 only; the inert box checked: it draws nothing more.
    box(dialog, 10)->setChecked(false);
    box(dialog, 1)->setChecked(true);
    box(dialog, 3)->setChecked(true);
    dialog->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(true);
    dialog->findChild<QLineEdit*>(QStringLiteral("Text11"))->setText(QStringLiteral("Two columns"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->modeFlags, (LendrixModeFlags { 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(viewer->NumberOfElement, 1);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Two columns")));
    const OpList columns = from(picture(), viewer->settings.YTitle);
    // Column 2 in black, beside the station lines in the foreground black.
    qint64 bare = 0;
    for (qint64 i = 1; i <= viewer->model.nz; ++i)
        bare += isBareStation(viewer->model, i) ? 1 : 0;
    EXPECT_EQ(linesIn(columns, 0).size(), std::size_t(31 + bare));
    EXPECT_EQ(linesIn(columns, 1).size(), std::size_t(31 + viewer->model.rotor.N - 1)) << "column 4 and the rotor sketch";
    EXPECT_EQ(linesIn(columns, 2).size(), 0u);

    // Shown again as left; Cancel changes nothing.
    dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->findChild<QCheckBox*>(QStringLiteral("Check2"))->isChecked());
    EXPECT_TRUE(box(dialog, 3)->isChecked());
    box(dialog, 10)->setChecked(true);
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(viewer->modeFlags[10], 0);
    EXPECT_EQ(plots, 2);
}

// A user's session: start, replot, edit the axes, boxes and comment, quit;
// the next start has the edited settings but "All" again and the file's own
// comment. An untouched session writes the file back byte for byte.
TEST_F(LendrixWindowTest, EditedSettingsAreThereAtTheNextStartButNotTheBoxesOrComment)
{
    const QByteArray sample = root.read(kWorkingFile);
    start();
    QTest::keyClick(window->button(3), '6');
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(root.read(kWorkingFile), sample);

    start();
    const QString comment = viewer->model.FileComment;
    QTest::keyClick(window->button(3), '3');
    EXPECT_EQ(plots, 2);
    LendrixEditDialog* dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("1000"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Text9"))->setText(QStringLiteral("12.5"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Text11"))->setText(QStringLiteral("Edited"));
    dialog->findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("Edited comment"));
    box(dialog, 10)->setChecked(false);
    box(dialog, 0)->setChecked(true);
    QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("Text11")), Qt::Key_Return);
    EXPECT_EQ(plots, 3);
    EXPECT_EQ(pictureTexts().back(), QStringLiteral("Edited comment"));
    QTest::keyClick(window->button(3), '6');
    const QList<QByteArray> lines = root.read(kWorkingFile).split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], " 0   1000   100   20 \r");
    EXPECT_EQ(lines[1], "-5   5   1   12.5 \r");
    EXPECT_EQ(lines[5], "Edited\r");
    EXPECT_EQ(lines.mid(2, 3), sample.split('\n').mid(2, 3));

    start();
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->settings.X.max, 1000);
    EXPECT_EQ(viewer->settings.Y.length, 12.5);
    EXPECT_EQ(viewer->modeFlags[10], 1);
    EXPECT_EQ(viewer->modeFlags[0], 0);
    EXPECT_EQ(viewer->model.FileComment, comment);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited")));
}

TEST_F(LendrixWindowTest, KeyFourPrintsThePageAndOthersDoNothing)
{
    start();
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_EQ(printedFileStart([&] { QTest::keyClick(window->button(3), '4'); }, QStringLiteral("lendrix.pdf")), "%PDF-");
    }
    QTest::keyClick(window->button(3), '5');
    QTest::keyClick(window->button(3), '7');
    QTest::keyClick(window->button(3), 'a');
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(watcher.answered(), 0);
}

} // namespace
} // namespace kavel::test
