#include "support/windowtest.h"

#include "mirno1/mirno1viewer.h"
#include "mirno1/mirno1window.h"

#include "framework/ui/fileopendialog.h"

#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/mirno1/mirno1.tmp");

// Lines in a colour other than the frame's black and the outline's blue.
int modeSegments(const OpList& ops)
{
    return int(std::count_if(ops.begin(), ops.end(), [](const SurfaceOp& op) {
        const auto* l = std::get_if<Op::Line>(&op);
        return l && l->rgb != Palette::colour(1) && l->rgb != Palette::colour(0);
    }));
}

// MIRNO1's window is the common one in a design of its own.
class Mirno1WindowTest : public WindowTest<Mirno1Viewer> {
private:
    std::unique_ptr<ViewerWindow> makeWindow(Mirno1Viewer& v) override { return std::make_unique<ViewerWindow>(v, Mirno1WindowLayout()); }
};

TEST_F(Mirno1WindowTest, StartShowsAllModesOverTheOutline)
{
    startDrawn(QStringLiteral("DASMOR1/D  Drawing"));
    EXPECT_EQ(viewer->shapes.N2, 6);
    EXPECT_GT(viewer->outline.N, 0);
    EXPECT_EQ(viewer->modeShown, ModeFlags::atStart());
    // Modes 1 and 2 are drawn in black and blue and not counted here; modes 3 to 6 are.
    EXPECT_EQ(modeSegments(picture()), 4 * 31);
    EXPECT_EQ(std::get<Op::Text>(picture().back()).text, viewer->shapes.FileComment);
}

TEST_F(Mirno1WindowTest, KeyFiveDoesNothing)
{
    start();
    const QByteArray before = root.read(kWorkingFile);
    QTest::keyClick(window->button(3), '5');
    QApplication::processEvents();
    EXPECT_EQ(watcher.answered(), 0);
    EXPECT_EQ(plots, 1);
    QTest::keyClick(window->button(3), '3');
    QApplication::processEvents();
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(root.read(kWorkingFile), before);
}

TEST_F(Mirno1WindowTest, TheFileDialogReadsTheResultOnlyAndKeepsTheOutline)
{
    QByteArray other = root.read(QStringLiteral("data/mirno1.mac"));
    other.replace("   32    6", "   32    2");
    other.replace("undamped planar modes", "two modes");
    root.write(QStringLiteral("data/two.mac"), other);
    root.write(QStringLiteral("data/savlen.mac"), "broken");
    start();
    const int outlinePoints = viewer->outline.N;
    openDataFile(QStringLiteral("MIRNO1/F  File Open"), QStringLiteral("two.mac"));
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->shapes.N2, 2);
    EXPECT_EQ(viewer->outline.N, outlinePoints);
    EXPECT_TRUE(viewer->shapes.FileComment.contains(QStringLiteral("two modes")));
}

TEST_F(Mirno1WindowTest, TheEditingDialogHasElevenModeBoxes)
{
    start();
    EditDialog* dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("MIRNO1/E  Editing"));
    for (int k = 0; k < 11; ++k) {
        auto* box = control<QCheckBox>(dialog, QStringLiteral("Check1(%1)").arg(k));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), k == 10 ? QStringLiteral("All") : QString::number(k + 1));
        EXPECT_EQ(box->isChecked(), k == 10);
    }
    // Only mode 3: the modes 1 and 2 the test cannot tell from the frame stay hidden.
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(10)")), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(2)")), Qt::LeftButton, {}, QPoint(5, 5));
    control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->modeShown, (ModeFlags { 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
    // Mode 3 is the first one drawn: colour 0, black like the frame.
    EXPECT_EQ(modeSegments(picture()), 0);

    dialog = openEdit();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(control<QCheckBox>(dialog, QStringLiteral("Check1(2)"))->isChecked());
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(0)")), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(3)")), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(4)")), Qt::LeftButton, {}, QPoint(5, 5));
    control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    // Modes 1, 3, 4, 5 in colours 0, 1, 2, 3: two of them counted.
    EXPECT_EQ(modeSegments(picture()), 2 * 31);
}

// Start, plot, edit, quit, start again: the settings edited are there, the
// mode boxes start over with "All".
TEST_F(Mirno1WindowTest, AUserSessionEditsTheChartAndFindsItAtTheNextStart)
{
    start();
    window->button(3)->click();
    EXPECT_EQ(plots, 2);

    open();
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("Text7"))->text(), QStringLiteral("1.2"));
    control<QLineEdit>(dialog, QStringLiteral("Text6"))->setText(QStringLiteral("-2"));
    control<QLineEdit>(dialog, QStringLiteral("Text7"))->setText(QStringLiteral("2"));
    QTest::mouseClick(control<QCheckBox>(dialog, QStringLiteral("Check1(10)")), Qt::LeftButton, {}, QPoint(5, 5));
    auto* title = control<QLineEdit>(dialog, QStringLiteral("Text11"));
    title->setText(QStringLiteral("Edited modes"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(plots, 3);
    EXPECT_EQ(modeSegments(picture()), 0);

    const QByteArray written = quit(kWorkingFile);
    EXPECT_TRUE(written.contains("\r\n-2   2   .4   10 \r\n 3   0 \r\n")) << written.toStdString();
    EXPECT_TRUE(written.endsWith("\r\nEdited modes\r\n"));

    start();
    EXPECT_EQ(viewer->settings.Y.max, 2);
    EXPECT_EQ(viewer->settings.Title, QStringLiteral("Edited modes"));
    EXPECT_EQ(viewer->modeShown, ModeFlags::atStart());
    EXPECT_EQ(modeSegments(picture()), 4 * 31);
}

} // namespace
} // namespace kavel::test
