#include "support/windowtest.h"

#include "savlen/savlenviewer.h"

#include <QLabel>
#include <QTest>

namespace kavel::test {
namespace {

class SavlenEditDialogTest : public WindowTest<SavlenViewer> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
        open();
    }

    QCheckBox* check1() const { return dialog->findChild<QCheckBox*>(QStringLiteral("Check1")); }
};

TEST_F(SavlenEditDialogTest, ShowsTheSettingsInMemory)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("SAVLEN/E  Editing rotor model"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    const QStringList numbers { "0", "1200", "100", "22", "", "-250", "250", "50", "9" };
    for (int n = 1; n <= 9; ++n) {
        if (n != 5) {
            EXPECT_EQ(text(n)->text(), numbers[n - 1]) << n;
        }
    }
    EXPECT_EQ(text(5)->text(), viewer->settings.XTitle);
    EXPECT_EQ(text(10)->text(), viewer->settings.YTitle);
    EXPECT_EQ(text(11)->text(), viewer->settings.Title);
    EXPECT_EQ(text(12)->text(), viewer->model.FileComment);
    EXPECT_EQ(text(13)->text(), QStringLiteral("1"));
    ASSERT_NE(check1(), nullptr);
    EXPECT_FALSE(check1()->isChecked());

    QStringList captions;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : { "X axis  :", "Y axis  :", "X title :", "Y title :", "Title    :", "File comment :",
             "Length", "(mm)", "Division pitch", "Chert total length", "(cm)", "1, Both", "2, Upper", "Number of Element",
             "NOTE ! :  mm ; Physical length,  cm ; Chart length" })
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(captions.count(QStringLiteral("Length")), 2);
}

TEST_F(SavlenEditDialogTest, NumberFieldsTakeTheirLeadingNumberAndEnterConfirms)
{
    text(1)->setText(QStringLiteral("12abc"));
    text(2)->setText(QStringLiteral("abc"));
    text(3)->setText(QStringLiteral("  2.5e1mm"));
    text(5)->setText(QStringLiteral("Length, total"));
    QTest::keyClick(text(5), Qt::Key_Return);
    EXPECT_EQ(viewer->settings.X.min, 12);
    EXPECT_EQ(viewer->settings.X.max, 0);
    EXPECT_EQ(viewer->settings.X.pitch, 25);
    EXPECT_EQ(viewer->settings.XTitle, QStringLiteral("Length, total"));
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(closed());
}

TEST_F(SavlenEditDialogTest, ANumberBeyondTheDoubleRangeIsRefusedNamingTheField)
{
    const QByteArray settings = FormatChartSettings(viewer->settings.layout());
    QString message;
    watcher.expect([&](QWidget* modal) {
        message = messageText(modal);
        EXPECT_EQ(modal->windowTitle(), dialog->windowTitle());
        acceptMessage(modal);
    });
    text(1)->setText(QStringLiteral("5"));
    text(2)->setText(QStringLiteral("1e400"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(message, QStringLiteral("X axis Length (to): \"1e400\" is out of range: this setting holds numbers from about -1.8E+308 to 1.8E+308."));
    ASSERT_FALSE(closed());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(text(2)->selectedText(), QStringLiteral("1e400"));
    EXPECT_EQ(FormatChartSettings(viewer->settings.layout()), settings);
    EXPECT_EQ(plots, 1);
}

TEST_F(SavlenEditDialogTest, EnterConfirmsEvenOnTheCancelButton)
{
    text(9)->setText(QStringLiteral("7"));
    QWidget* cancel = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(cancel, nullptr);
    QTest::keyClick(cancel, Qt::Key_Enter);
    EXPECT_EQ(viewer->settings.Y.length, 7);
    EXPECT_EQ(plots, 2);
}

TEST_F(SavlenEditDialogTest, EscAndCancelChangeNothing)
{
    const double xmin = viewer->settings.X.min;
    text(1)->setText(QStringLiteral("99"));
    QTest::keyClick(text(1), Qt::Key_Escape);
    EXPECT_EQ(viewer->settings.X.min, xmin);
    EXPECT_EQ(plots, 1);
    EXPECT_TRUE(closed());

    open();
    text(1)->setText(QStringLiteral("99"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(viewer->settings.X.min, xmin);
    EXPECT_EQ(plots, 1);
    EXPECT_TRUE(closed());
}

TEST_F(SavlenEditDialogTest, OkWithoutChangesStillReplotsTheSameChart)
{
    const OpList before = picture();
    const QByteArray settings = FormatChartSettings(viewer->settings.layout());
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(FormatChartSettings(viewer->settings.layout()), settings);
    EXPECT_EQ(picture(), before);
}

TEST_F(SavlenEditDialogTest, ContourModeTwoDrawsTheUpperHalfOnly)
{
    std::vector<Op::Line> removed;
    for (const SurfaceOp& op : picture()) {
        if (const auto* line = std::get_if<Op::Line>(&op))
            removed.push_back(*line);
    }
    text(13)->setText(QStringLiteral("2"));
    QTest::keyClick(text(13), Qt::Key_Return);
    EXPECT_EQ(viewer->settings.ContourMode, 2);
    EXPECT_EQ(plots, 2);
    for (const SurfaceOp& op : picture()) {
        if (const auto* line = std::get_if<Op::Line>(&op)) {
            const auto same = std::find(removed.begin(), removed.end(), *line);
            ASSERT_NE(same, removed.end()) << "a line the full section does not have";
            removed.erase(same);
        }
    }
    // Two contour lines fewer for every step between points, all of them in
    // the lower half: at or below the shaft's axis (radius 0, chart y 13.5
    // for the sample's range -250 .. 250 over 9 cm from y 18).
    EXPECT_EQ(int(removed.size()), 2 * (viewer->model.N - 1));
    const int outer = int(std::count_if(removed.begin(), removed.end(), [](const Op::Line& l) { return l.y1 > 13.5f || l.y2 > 13.5f; }));
    EXPECT_GT(outer, 0);
    for (const Op::Line& line : removed) {
        EXPECT_GE(line.y1, 13.5f - 1e-4f);
        EXPECT_GE(line.y2, 13.5f - 1e-4f);
    }
}

TEST_F(SavlenEditDialogTest, ContourModeIsRoundedToEvenAndANonNumberKeepsTheMode)
{
    text(13)->setText(QStringLiteral("2.5"));
    QTest::keyClick(text(13), Qt::Key_Return);
    EXPECT_EQ(viewer->settings.ContourMode, 2);

    open();
    text(13)->setText(QStringLiteral("both"));
    QTest::keyClick(text(13), Qt::Key_Return);
    EXPECT_EQ(viewer->settings.ContourMode, 2);
    EXPECT_EQ(plots, 3);

    open();
    text(13)->setText(QStringLiteral(" 3.5 "));
    QTest::keyClick(text(13), Qt::Key_Return);
    EXPECT_EQ(viewer->settings.ContourMode, 4);
}

TEST_F(SavlenEditDialogTest, CheckBoxShowsTheElementNumbers)
{
    const qsizetype without = textsOf(picture()).size();
    check1()->click();
    QTest::keyClick(text(1), Qt::Key_Return);
    EXPECT_EQ(viewer->ShowNumbers, 1);
    // One number on every element and the final station.
    EXPECT_EQ(textsOf(picture()).size() - without, viewer->model.N / 4 + 1);

    open();
    EXPECT_TRUE(check1()->isChecked());
    check1()->click();
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(viewer->ShowNumbers, 0);
}

} // namespace
} // namespace kavel::test
