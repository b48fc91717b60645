#include "support/windowtest.h"

#include "wespar/wesparviewer.h"
#include "wespar/wesparwindow.h"

#include "framework/ui/fileopendialog.h"

#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/wespar/wespar.tmp");
const QString kFactoryFile = QStringLiteral("Gavrine/wespar/wespar.org");

int linesOf(const OpList& ops)
{
    return int(std::count_if(ops.begin(), ops.end(), [](const SurfaceOp& op) { return std::holds_alternative<Op::Line>(op); }));
}

class WesparWindowTest : public WindowTest<WesparViewer, WesparWindow> {
protected:
    // "1:File" with `option` chosen and `name` from the data directory typed.
    void openFile(const QString& option, const QString& name)
    {
        openDataFile(QStringLiteral("WESPAR/F File Open"), name, [option](FileOpenDialog* dialog) {
            auto* wespar = control<QRadioButton>(dialog, QStringLiteral("Option1"));
            auto* savlen = control<QRadioButton>(dialog, QStringLiteral("Option2"));
            ASSERT_TRUE(wespar && savlen);
            EXPECT_EQ(wespar->text(), QStringLiteral("wespar"));
            EXPECT_EQ(savlen->text(), QStringLiteral("savlen"));
            EXPECT_TRUE(wespar->isChecked());
            QTest::mouseClick(control<QRadioButton>(dialog, option), Qt::LeftButton, {}, QPoint(5, 5));
        });
        EXPECT_EQ(watcher.answered(), ++answered);
    }

    int answered = 0;
};

TEST_F(WesparWindowTest, StartReadsBothFilesAndDrawsTheDeflectionUnderTheRotor)
{
    startDrawn(QStringLiteral("WESPAR/D  Drawing"));
    EXPECT_EQ(viewer->deflection.n, 32);
    EXPECT_GT(viewer->model.N, 0);
    EXPECT_EQ(viewer->settings.CurveWidth, 2);
    EXPECT_EQ(std::get<Op::Text>(picture().back()).text, viewer->deflection.FileComment);
}

TEST_F(WesparWindowTest, TheSavlenChoiceReplacesOnlyTheRotorModel)
{
    QByteArray other = root.read(QStringLiteral("data/savlen.mac"));
    const int firstLineEnd = other.indexOf("\r\n");
    const int secondLineEnd = other.indexOf("\r\n", firstLineEnd + 2);
    other.replace(firstLineEnd + 2, secondLineEnd - firstLineEnd - 2, "other rotor");
    root.write(QStringLiteral("data/other.mac"), other);
    QByteArray deflection = root.read(QStringLiteral("data/wespar.mac"));
    deflection.replace("R1 compressor rotor  gravity sag", "Second run");
    root.write(QStringLiteral("data/second.mac"), deflection);
    start();
    const QString comment = viewer->deflection.FileComment;
    const std::vector<float> defl = viewer->deflection.defl;

    openFile(QStringLiteral("Option2"), QStringLiteral("other.mac"));
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->model.FileComment, QStringLiteral("other rotor"));
    EXPECT_EQ(viewer->deflection.FileComment, comment);
    EXPECT_EQ(viewer->deflection.defl, defl);

    // The next opening starts at "wespar" again and replaces the deflection only.
    openFile(QStringLiteral("Option1"), QStringLiteral("second.mac"));
    EXPECT_EQ(plots, 3);
    EXPECT_TRUE(viewer->deflection.FileComment.startsWith(QStringLiteral("Second run")));
    EXPECT_EQ(viewer->model.FileComment, QStringLiteral("other rotor"));
    EXPECT_EQ(std::get<Op::Text>(picture().back()).text, viewer->deflection.FileComment);
}

TEST_F(WesparWindowTest, KeysOneToSixAnswer)
{
    start();
    EXPECT_EQ(viewer->identity().keys.size(), 6u);
    QTest::keyClick(window->button(3), '3');
    QApplication::processEvents();
    EXPECT_EQ(plots, 2);
    watcher.expect([](QWidget* modal) { acceptMessage(modal); });
    QTest::keyClick(window->button(3), '5');
    QApplication::processEvents();
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(plots, 3);
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
}

// Start, plot, edit, quit, start again: the edited settings are there.
TEST_F(WesparWindowTest, AUserSessionSetsTheUpperHalfAndFindsItAtTheNextStart)
{
    start();
    window->button(3)->click();
    EXPECT_EQ(plots, 2);
    const int bothHalves = linesOf(picture());

    window->button(2)->click();
    auto dialogs = window->findChildren<EditDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    EditDialog* dialog = dialogs.front();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("WESPAR/E  Editing rotor model"));
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("Text18"))->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("Text11"))->text(), QStringLiteral("-250"));
    control<QLineEdit>(dialog, QStringLiteral("Text18"))->setText(QStringLiteral("2"));
    control<QLineEdit>(dialog, QStringLiteral("Text15"))->setText(QStringLiteral("Radius"));
    auto* title = control<QLineEdit>(dialog, QStringLiteral("Text16"));
    title->setText(QStringLiteral("Edited deflection"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(plots, 3);
    EXPECT_EQ(viewer->settings.ContourMode, 2);
    EXPECT_EQ(viewer->settings.RTitle, QStringLiteral("Radius"));
    // The lower contours are gone: two lines fewer per outline point.
    EXPECT_EQ(linesOf(picture()), bothHalves - 2 * (viewer->model.N - 1));

    const QByteArray written = quit(kWorkingFile);
    EXPECT_TRUE(written.contains("\r\n-250   250   50   6 \r\n 3   2   2 \r\n")) << written.toStdString();
    EXPECT_TRUE(written.endsWith("\r\nRadius\r\nEdited deflection\r\n"));

    start();
    EXPECT_EQ(viewer->settings.ContourMode, 2);
    EXPECT_EQ(viewer->settings.Title, QStringLiteral("Edited deflection"));
    EXPECT_EQ(linesOf(picture()), bothHalves - 2 * (viewer->model.N - 1));
}

} // namespace
} // namespace kavel::test
