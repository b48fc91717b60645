#include "support/windowtest.h"

#include "holpix/holpixviewer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace kavel::test {
namespace {

class HolpixEditDialogTest : public WindowTest<HolpixViewer> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        open();
    }

    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2)); }
};

TEST_F(HolpixEditDialogTest, ShowsTheSettingsTheAxesAndTheCurvesInMemory)
{
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("HOLPIX/E  Editing rotor model"));
    EXPECT_FALSE(dialog->isModal());
    const QStringList numbers { "100", "100000", "10000", "21", "", "10", "10000", "1000", "15" };
    for (int n : { 1, 2, 3, 4, 6, 7, 8, 9 })
        EXPECT_EQ(text(n)->text(), numbers[n - 1]) << n;
    EXPECT_EQ(text(5)->text(), viewer->settings.XTitle);
    EXPECT_EQ(text(10)->text(), viewer->settings.YTitle);
    EXPECT_EQ(text(11)->text(), viewer->settings.Title);
    EXPECT_EQ(text(12)->text(), viewer->map.FileComment);

    // Log-log and all critical speed curves at start.
    EXPECT_FALSE(option(1)->isChecked());
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_FALSE(option(3)->isChecked());
    EXPECT_TRUE(option(4)->isChecked());
    EXPECT_EQ(option(1)->text(), QStringLiteral("LIN"));
    EXPECT_EQ(option(2)->text(), QStringLiteral("LOG"));
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(check(i)->isChecked(), i == 6) << i;

    QStringList captions;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : { "X axis  :", "Y axis  :", "X title :", "Y title :", "Title    :", "File comment :", "Length",
             "Division pitch", "Chert total length", "(kgf/mm)", "(Hz)", "(cm)", "Crtcal", "0 rpm", "S1", "S6", "All",
             "NOTE ! :  kgf/mm,Hz ; Physical length,  cm ; Chart length" })
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    QStringList frames;
    for (const QGroupBox* frame : dialog->findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_TRUE(frames.contains(QStringLiteral("X axis")));
    EXPECT_TRUE(frames.contains(QStringLiteral("Y axis")));
    EXPECT_TRUE(frames.contains(QStringLiteral("Drawing Data")));
    // Mode 4's boxes side by side, "Crtcal" left of "0 rpm".
    EXPECT_LT(check(3)->mapTo(dialog, QPoint()).x(), check(10)->mapTo(dialog, QPoint()).x());
    EXPECT_EQ(check(3)->mapTo(dialog, QPoint()).y(), check(10)->mapTo(dialog, QPoint()).y());
}

TEST_F(HolpixEditDialogTest, LinOnTheXAxisAndOkRedrawsTheMapOnALinearXAxis)
{
    click(option(1));
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_FALSE(option(2)->isChecked());
    // Numbers by their leading number, texts as typed.
    text(1)->setText(QStringLiteral("zero"));
    text(3)->setText(QStringLiteral("  2e4 kgf/mm"));
    text(12)->setText(QStringLiteral("Edited, comment"));
    click(control<QPushButton>(dialog, QStringLiteral("Command2")));
    EXPECT_TRUE(closed());
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->axisOptions, (AxisOptions { 0, 1, 0, 0, 1 }));
    EXPECT_EQ(viewer->settings.X.min, 0);
    EXPECT_EQ(viewer->settings.X.pitch, 20000);
    EXPECT_EQ(textsOf(picture()).mid(0, 7), (QStringList { " 0 ", " 20000 ", " 40000 ", " 60000 ", " 80000 ", " 100000 ", " 10 " }));
    EXPECT_EQ(textsOf(picture()).last(), QStringLiteral("Edited, comment"));

    // And back: LOG replaces the minimum of 0.
    open();
    EXPECT_TRUE(option(1)->isChecked());
    click(option(2));
    click(option(3));
    QTest::keyClick(text(1), Qt::Key_Return);
    EXPECT_EQ(viewer->axisOptions, (AxisOptions { 0, 0, 1, 1, 0 }));
    EXPECT_EQ(viewer->settings.X.min, 100);
    EXPECT_EQ(textsOf(picture()).mid(0, 6), (QStringList { " 100 ", " 1000 ", " 10000 ", " 100000 ", " 10 ", " 1010 " }));
}

TEST_F(HolpixEditDialogTest, TheCrtcalAnd0RpmBoxesChooseTheCurves)
{
    click(check(6));
    click(check(1));
    click(check(4));
    click(check(9));
    QTest::keyClick(check(9), Qt::Key_Enter);
    EXPECT_TRUE(closed());
    MapCurveFlags expected {};
    expected[1] = expected[4] = expected[9] = 1;
    EXPECT_EQ(viewer->curveFlags, expected);
    // Three curves of 24 segments: modes 2 and 5 critical, mode 3 standstill.
    const std::vector<Op::Line> lines = all<Op::Line>(picture());
    const std::vector<Op::Line> curves(lines.end() - 3 * 24, lines.end());
    EXPECT_EQ(curves[0].rgb, Palette::colour(0));
    EXPECT_EQ(curves[24].rgb, Palette::colour(1));
    EXPECT_EQ(curves[48].rgb, Palette::colour(2));
    auto inColour = [&](int c) { return std::count_if(lines.begin(), lines.end(), [c](const Op::Line& l) { return l.rgb == Palette::colour(c); }); };
    EXPECT_EQ(inColour(1), 24);
    EXPECT_EQ(inColour(2), 24);
    EXPECT_EQ(inColour(3), 0);

    // "All" of the standstill column draws its five modes whatever the rows say.
    open();
    EXPECT_TRUE(check(9)->isChecked());
    click(check(13));
    click(control<QPushButton>(dialog, QStringLiteral("Command2")));
    EXPECT_EQ(viewer->curveFlags[13], 1);
    const std::vector<Op::Line> after = all<Op::Line>(picture());
    EXPECT_EQ(after.back().rgb, Palette::colour(6));
}

TEST_F(HolpixEditDialogTest, EscAndCancelChangeNothingAndTheNextOpeningShowsTheStoredValues)
{
    const HolpixSettings before = viewer->settings;
    click(option(3));
    click(check(13));
    text(2)->setText(QStringLiteral("99"));
    QTest::keyClick(text(2), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->axisOptions, InitialAxisOptions());
    EXPECT_EQ(viewer->curveFlags, MapCurveFlags::atStart());
    EXPECT_EQ(viewer->settings.X.max, before.X.max);

    open();
    EXPECT_TRUE(option(4)->isChecked());
    EXPECT_FALSE(check(13)->isChecked());
    EXPECT_EQ(text(2)->text(), QStringLiteral("100000"));
    click(option(1));
    text(12)->setText(QStringLiteral("not taken"));
    click(control<QPushButton>(dialog, QStringLiteral("Command1")));
    EXPECT_TRUE(closed());
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->axisOptions, InitialAxisOptions());
    EXPECT_NE(viewer->map.FileComment, QStringLiteral("not taken"));
}

} // namespace
} // namespace kavel::test
