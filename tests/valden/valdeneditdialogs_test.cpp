#include "support/windowtest.h"

#include "valden/valdeneditdialogs.h"
#include "valden/valdenviewer.h"
#include "valden/valdenwindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace kavel::test {
namespace {

class ValdenEditDialogTest : public WindowTest<ValdenViewer, ValdenWindow, ValdenEditDialog> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }

    QStringList captions() const
    {
        QStringList out;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            out << label->text();
        return out;
    }
};

TEST_F(ValdenEditDialogTest, XYDialogShowsTheXYSettingsAndTheirCheckBoxes)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("valden-XY  Editing"));
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Form2"));
    EXPECT_FALSE(dialog->isModal());
    const std::map<int, QString> numbers { { 1, "0" }, { 2, "200" }, { 3, "25" }, { 4, "20" }, { 6, "0" }, { 7, "350" }, { 8, "50" }, { 9, "14" } };
    for (const auto& [n, value] : numbers) {
        ASSERT_NE(text(n), nullptr) << n;
        EXPECT_EQ(text(n)->text(), value) << n;
    }
    EXPECT_EQ(text(5)->text(), viewer->settings.XYXTitle);
    EXPECT_EQ(text(10)->text(), viewer->settings.DampingTitle);
    EXPECT_EQ(text(11)->text(), viewer->settings.FrequencyTitle);
    EXPECT_EQ(text(12)->text(), viewer->settings.XYTitle);
    EXPECT_EQ(text(13)->text(), viewer->data.FileComment);

    for (int k = 0; k <= 10; ++k) {
        ASSERT_NE(check(k), nullptr) << k;
        EXPECT_TRUE(check(k)->isChecked()) << k;
    }
    EXPECT_EQ(check(11), nullptr) << "the Gauss boxes belong to the other dialog";
    auto* frame = dialog->findChild<QGroupBox*>();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QStringLiteral("XY"));
    EXPECT_EQ(check(10)->parent(), frame);

    const QStringList labels = captions();
    for (const char* caption : { "X axis  :", "Y axis  :", "X title :", "Y title :", "Damp", "Freq", "Title    :", "File comment :",
             "Length", "Division pitch", "Chert total length", "(rps)", "(Hz)", "(cm)", "S1", "S5", "All",
             "NOTE ! :  rps ; Physical length,  cm;Chart" })
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(labels.count(QStringLiteral("(rps)")), 2);
    EXPECT_EQ(labels.count(QStringLiteral("Freq")), 2) << "the column heading and the title's label";
}

TEST_F(ValdenEditDialogTest, GaussDialogShowsTheGaussSettingsAndTheirCheckBoxes)
{
    window->chartButton()->click();
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("valden-Gauss  Editing"));
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Form3"));
    const std::map<int, QString> numbers { { 1, "-800" }, { 2, "200" }, { 3, "200" }, { 4, "16" }, { 6, "0" }, { 7, "2000" }, { 8, "250" }, { 9, "13" } };
    for (const auto& [n, value] : numbers)
        EXPECT_EQ(text(n)->text(), value) << n;
    EXPECT_EQ(text(5)->text(), QStringLiteral("Re (1/s)"));
    EXPECT_EQ(text(10)->text(), QStringLiteral("Im (rad/s)"));
    EXPECT_EQ(text(11), nullptr);
    EXPECT_EQ(text(12)->text(), viewer->settings.GaussTitle);
    EXPECT_EQ(text(13)->text(), viewer->data.FileComment);
    for (int k = 11; k <= 16; ++k) {
        ASSERT_NE(check(k), nullptr) << k;
        EXPECT_TRUE(check(k)->isChecked()) << k;
    }
    EXPECT_EQ(check(10), nullptr);
    EXPECT_EQ(dialog->findChild<QGroupBox*>()->title(), QString::fromUtf8("λ"));
    const QStringList labels = captions();
    for (const char* caption : { "Re  :", "Im  :", "X title :", "Y title :", "Title    :", "File comment :", "(rad/s)", "(cm)",
             "λ1", "λ5", "All", "NOTE ! :cm;Chart" })
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(labels.count(QStringLiteral("(cm)")), 2);
}

TEST_F(ValdenEditDialogTest, ChartHeightIsShownAsTheSingleItIs)
{
    viewer->settings.Ylength = 14.1f;
    viewer->settings.Xlength = 20.000000001;
    open();
    EXPECT_EQ(text(9)->text(), QStringLiteral("14.1"));
    EXPECT_EQ(text(4)->text(), QStringLiteral("20.000000001"));
}

TEST_F(ValdenEditDialogTest, OkTakesTheFieldsAndBoxesAndReplots)
{
    open();
    text(1)->setText(QStringLiteral("10"));
    text(2)->setText(QStringLiteral("120abc"));
    text(9)->setText(QStringLiteral("12.3456789"));
    text(10)->setText(QStringLiteral("Damping, ratio"));
    text(13)->setText(QStringLiteral("Edited comment"));
    check(3)->setChecked(false);
    check(10)->setChecked(false);
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();

    EXPECT_EQ(viewer->settings.Xmin, 10);
    EXPECT_EQ(viewer->settings.Xmax, 120);
    EXPECT_EQ(viewer->settings.Ylength, float(12.3456789));
    EXPECT_EQ(viewer->settings.DampingTitle, QStringLiteral("Damping, ratio"));
    EXPECT_EQ(viewer->data.FileComment, QStringLiteral("Edited comment"));
    ShowCurveFlags expected = ShowCurveFlags::atStart();
    expected[3] = expected[10] = 0;
    EXPECT_EQ(viewer->ShowCurve, expected);
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited comment")));
    EXPECT_TRUE(closed());
}

TEST_F(ValdenEditDialogTest, EnterInAnyFieldConfirmsAndEscCancels)
{
    open();
    text(7)->setText(QStringLiteral("400"));
    QTest::keyClick(text(12), Qt::Key_Return);
    EXPECT_EQ(viewer->settings.Ymax, 400);
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(closed());

    open();
    text(7)->setText(QStringLiteral("500"));
    check(0)->setChecked(false);
    QTest::keyClick(text(7), Qt::Key_Escape);
    EXPECT_EQ(viewer->settings.Ymax, 400);
    EXPECT_EQ(viewer->ShowCurve[0], 1);
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(closed());

    // Enter on a check box or on Cancel is still the dialog's O.K.
    open();
    check(1)->setChecked(false);
    QTest::keyClick(check(1), Qt::Key_Enter);
    EXPECT_EQ(viewer->ShowCurve[1], 0);
    EXPECT_EQ(plots, 3);
}

TEST_F(ValdenEditDialogTest, CancelAndTheTitleBarChangeNothing)
{
    const ValdenSettings before = viewer->settings;
    open();
    text(1)->setText(QStringLiteral("99"));
    text(12)->setText(QStringLiteral("not taken"));
    check(5)->setChecked(false);
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(viewer->settings.Xmin, before.Xmin);
    EXPECT_EQ(viewer->settings.XYTitle, before.XYTitle);
    EXPECT_EQ(viewer->ShowCurve, ShowCurveFlags::atStart());
    EXPECT_EQ(plots, 1);

    open();
    text(1)->setText(QStringLiteral("99"));
    dialog->close();
    EXPECT_EQ(viewer->settings.Xmin, before.Xmin);
    EXPECT_EQ(plots, 1);
}

TEST_F(ValdenEditDialogTest, ClearingEveryDampingBoxHidesTheDampingScaleAndTitle)
{
    ASSERT_TRUE(pictureTexts().contains(QStringLiteral(" .05 ")));
    ASSERT_TRUE(pictureTexts().contains(viewer->settings.DampingTitle));
    open();
    for (int k = 5; k <= 10; ++k)
        check(k)->setChecked(false);
    dialog->accept();
    EXPECT_FALSE(pictureTexts().contains(QStringLiteral(" .05 ")));
    EXPECT_FALSE(pictureTexts().contains(viewer->settings.DampingTitle));
    EXPECT_TRUE(pictureTexts().contains(viewer->settings.FrequencyTitle));
}

TEST_F(ValdenEditDialogTest, GaussOkTakesTheGaussFieldsAndPathBoxes)
{
    window->chartButton()->click();
    open();
    text(1)->setText(QStringLiteral("-600"));
    text(4)->setText(QStringLiteral("18"));
    text(9)->setText(QStringLiteral("11.5"));
    text(5)->setText(QStringLiteral("sigma"));
    text(10)->setText(QStringLiteral("omega"));
    text(12)->setText(QStringLiteral("Paths"));
    check(12)->setChecked(false);
    check(16)->setChecked(false);
    QTest::keyClick(text(5), Qt::Key_Enter);

    const ValdenSettings& s = viewer->settings;
    EXPECT_EQ(s.ReMin, -600);
    EXPECT_EQ(s.ReLength, 18);
    EXPECT_EQ(s.ImLength, 11.5f);
    EXPECT_EQ(s.GaussXTitle, QStringLiteral("sigma"));
    EXPECT_EQ(s.GaussYTitle, QStringLiteral("omega"));
    EXPECT_EQ(s.GaussTitle, QStringLiteral("Paths"));
    EXPECT_EQ(s.Xmin, 0) << "the XY settings are not the Gauss dialog's";
    EXPECT_EQ(viewer->ShowCurve[12], 0);
    EXPECT_EQ(viewer->ShowCurve[16], 0);
    EXPECT_EQ(viewer->ShowCurve[10], 1);
    EXPECT_EQ(viewer->ChartMode, 2);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Paths")));
    // Mode 2's path is gone, mode 3's keeps its green.
    bool green = false, navy = false;
    for (const Op::Line& line : all<Op::Line>(picture())) {
        green = green || line.rgb == Rgb { 0, 128, 0 };
        navy = navy || line.rgb == Rgb { 0, 0, 128 };
    }
    EXPECT_TRUE(green);
    EXPECT_FALSE(navy);
}

} // namespace
} // namespace kavel::test
