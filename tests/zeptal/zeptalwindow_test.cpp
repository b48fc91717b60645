#include "zeptaltesting.h"

#include "support/windowtest.h"

#include "framework/ui/resultspanel.h"
#include "zeptal/zeptaleditdialog.h"
#include "zeptal/zeptalviewer.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <limits>
#include <memory>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/zeptal/zeptal.tmp");
const QString kFactoryFile = QStringLiteral("Gavrine/zeptal/zeptal.org");

using ZeptalWindowTest = WindowTest<ZeptalViewer, ViewerWindow, ZeptalEditDialog>;

TEST_F(ZeptalWindowTest, StartsWithTheBodeChartOfEveryCurveAndItsCaptions)
{
    startDrawn(QStringLiteral("ZEPTAL/D  Drawing"));
    EXPECT_EQ(buttonCaptions(), (QStringList { "1:File", "2:Edit", "3:Plot", "4:Print", "5: Default", "6:Quit" }));
    EXPECT_EQ(viewer->chartStyle, 1);
    EXPECT_EQ(viewer->curveFlags, flagsOf<CurveFlags>({ 10 }));
    EXPECT_EQ(QDir::cleanPath(viewer->dataPath), QDir::cleanPath(root.path("data/zeptala.mac")));
    EXPECT_EQ(viewer->data.curveCount, 3);
    const QStringList texts = pictureTexts();
    EXPECT_TRUE(texts.contains(viewer->settings.PhaseTitle));
    EXPECT_TRUE(texts.contains(QStringLiteral("-360 ")));
    EXPECT_EQ(texts.back(), viewer->data.FileComment);
    EXPECT_TRUE(all<Op::Circle>(picture()).empty());
}

TEST_F(ZeptalWindowTest, DialogShowsTheSettingsStyleAndBoxes)
{
    start();
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ZEPTAL/E  Editing"));
    const ZeptalSettings& s = viewer->settings;
    EXPECT_EQ(text(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(text(2)->text(), QStringLiteral("12000"));
    EXPECT_EQ(text(3)->text(), QStringLiteral("1000"));
    EXPECT_EQ(text(4)->text(), QStringLiteral("20"));
    EXPECT_EQ(text(5)->text(), s.XTitle);
    EXPECT_EQ(text(7)->text(), QStringLiteral("20"));
    EXPECT_EQ(text(8)->text(), QStringLiteral("5"));
    EXPECT_EQ(text(9)->text(), QStringLiteral("12"));
    EXPECT_EQ(text(10)->text(), s.PhaseTitle);
    EXPECT_EQ(text(11)->text(), s.AmplitudeTitle);
    EXPECT_EQ(text(12)->text(), s.Title);
    EXPECT_EQ(text(13)->text(), viewer->data.FileComment);
    EXPECT_TRUE(dialog->option1()->isChecked());
    EXPECT_FALSE(dialog->option2()->isChecked());
    for (int k = 0; k < 11; ++k) {
        ASSERT_NE(check(k), nullptr) << k;
        EXPECT_EQ(check(k)->isChecked(), k == 10) << k;
    }
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        labels << label->text();
    for (const char* caption : { "X axis  :", "Y axis  :", "Title    :", "File comment :", "Drawing Style", "Bode or Polar", "Amp", "Phase", "S5", "All",
             "NOTE ! :  μm.rpm ; Physical length,  cm;Chart", "(μm)", "(rpm)", "(rps)" })
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
}

// The chart height is a single: 1e39 is refused, a number that rounds to
// the largest single is taken as it.
TEST_F(ZeptalWindowTest, AHeightBeyondTheSingleRangeIsRefusedNamingTheField)
{
    start();
    open();
    const QByteArray settings = FormatChartSettings(viewer->settings.layout());
    QString message;
    watcher.expect([&](QWidget* modal) {
        message = messageText(modal);
        acceptMessage(modal);
    });
    text(9)->setText(QStringLiteral("1e39"));
    QTest::keyClick(text(9), Qt::Key_Return);
    EXPECT_EQ(message, QStringLiteral("Y axis Chert total length: \"1e39\" is out of range: this setting holds numbers from about -3.4E+38 to 3.4E+38."));
    ASSERT_FALSE(closed());
    EXPECT_EQ(FormatChartSettings(viewer->settings.layout()), settings);
    EXPECT_EQ(plots, 1);

    text(9)->setText(QStringLiteral("3.40282356e38"));
    QTest::keyClick(text(9), Qt::Key_Return);
    EXPECT_TRUE(closed());
    EXPECT_EQ(viewer->settings.Ylength, std::numeric_limits<float>::max());
}

TEST_F(ZeptalWindowTest, OkSwitchesToPolarTakesFieldsAndBoxesAndReplots)
{
    start();
    open();
    QTest::mouseClick(dialog->option2(), Qt::LeftButton, {}, QPoint(5, 5));
    check(10)->setChecked(false);
    check(1)->setChecked(true);
    check(6)->setChecked(true);
    text(7)->clear();
    QTest::keyClicks(text(7), QStringLiteral("60abc"));
    text(8)->setText(QStringLiteral("20"));
    text(9)->setText(QStringLiteral("12"));
    text(13)->setText(QStringLiteral("new comment"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(plots, 2);
    EXPECT_EQ(viewer->chartStyle, 2);
    EXPECT_EQ(viewer->curveFlags, flagsOf<CurveFlags>({ 1, 6 }));
    EXPECT_EQ(viewer->settings.Ymax, 60);
    EXPECT_EQ(viewer->data.FileComment, QStringLiteral("new comment"));
    // The polar grid centred at (9, 12); only curve 2 drawn, in colour 0.
    const std::vector<Op::Circle> circles = all<Op::Circle>(picture());
    ASSERT_EQ(circles.size(), 4u);
    EXPECT_EQ(circles.back(), (Op::Circle { 9, 12, 6, Palette::colour(8), 1 }));
    const std::vector<Op::Line> lines = all<Op::Line>(picture());
    EXPECT_EQ(int(lines.size()), 37 + viewer->data.speedCount - 1);
    EXPECT_EQ(lines.back().rgb, Palette::colour(0));
    EXPECT_EQ(pictureTexts().back(), QStringLiteral("new comment"));

    // The dialog opens on the polar style and the chosen boxes.
    open();
    EXPECT_TRUE(dialog->option2()->isChecked());
    EXPECT_TRUE(check(6)->isChecked());
    EXPECT_FALSE(check(10)->isChecked());
    QTest::keyClick(text(1), Qt::Key_Escape);
    EXPECT_TRUE(closed());
}

TEST_F(ZeptalWindowTest, CancelAndEscChangeNothingAndDoNotReplot)
{
    start();
    open();
    dialog->option2()->setChecked(true);
    check(0)->setChecked(true);
    text(2)->setText(QStringLiteral("9"));
    QTest::keyClick(text(2), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->chartStyle, 1);
    EXPECT_EQ(viewer->curveFlags, flagsOf<CurveFlags>({ 10 }));
    EXPECT_EQ(viewer->settings.Xmax, 12000);
    open();
    text(2)->setText(QStringLiteral("9"));
    dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(viewer->settings.Xmax, 12000);
}

// A user's session: the Bode chart at start, a replot by key, the dialog
// edited to one amplitude box and other ranges, quit; the next start shows
// the edited settings but every curve again, Bode, and the file's comment.
TEST_F(ZeptalWindowTest, EditedSettingsAreThereAtTheNextStartButNotStyleFlagsOrComment)
{
    const QByteArray sample = root.read(kWorkingFile);
    start();
    const QString comment = viewer->data.FileComment;
    QTest::keyClick(window->button(3), '3');
    EXPECT_EQ(plots, 2);
    QTest::keyClick(window->button(3), '2');
    dialog = window->findChild<ZeptalEditDialog*>();
    ASSERT_NE(dialog, nullptr);
    check(10)->setChecked(false);
    check(0)->setChecked(true);
    text(2)->setText(QStringLiteral("6000"));
    text(9)->setText(QStringLiteral("10.5"));
    text(12)->setText(QStringLiteral("Edited title"));
    text(13)->setText(QStringLiteral("Edited comment"));
    QTest::keyClick(text(12), Qt::Key_Return);
    EXPECT_EQ(plots, 3);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited title")));
    // No phase curve selected: the amplitude grid lines are back.
    int across = 0;
    for (const Op::Line& l : all<Op::Line>(picture())) {
        if (l.x1 == 4 && l.x2 == 24 && l.y1 == l.y2)
            ++across;
    }
    EXPECT_EQ(across, 3 + 5 + 1 + 2) << "bottom, zero line, top; grid 0..20 and the negative 0; phase lines";

    QTest::keyClick(window->button(3), '6');
    EXPECT_FALSE(window->isVisible());
    const QList<QByteArray> lines = root.read(kWorkingFile).split('\n');
    EXPECT_EQ(lines[0], " 0   6000   0   20   1000   5   20   10.5 \r");
    EXPECT_EQ(lines[1], sample.split('\n')[1]);
    EXPECT_EQ(lines[5], "Edited title\r");

    start();
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(viewer->settings.Xmax, 6000);
    EXPECT_EQ(viewer->settings.Ylength, 10.5f);
    EXPECT_EQ(viewer->chartStyle, 1);
    EXPECT_EQ(viewer->curveFlags, flagsOf<CurveFlags>({ 10 }));
    EXPECT_EQ(viewer->data.FileComment, comment);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Edited title")));
}

// The results inputs and marks live in a file of their own, written at quit
// only once they differ from what was read: the working settings keep their
// format, and a window whose results were never touched leaves no file.
TEST_F(ZeptalWindowTest, ResultsInputsAndMarksAreThereAtTheNextStartInAFileOfTheirOwn)
{
    const QString results = QStringLiteral("Gavrine/zeptal/zeptal.results");
    const QByteArray sample = root.read(kWorkingFile);
    start();
    window->button(6)->click();
    EXPECT_FALSE(QFile::exists(root.path(results)));

    start();
    viewer->resultInputs.operating = OperatingRange { 4000, 9000 };
    viewer->resultInputs.markers = true;
    window->button(6)->click();
    EXPECT_EQ(root.read(results), "operating=4000,9000\r\nmarkers=1\r\npanel=0\r\n");
    EXPECT_EQ(root.read(kWorkingFile), sample);

    start();
    EXPECT_EQ(viewer->resultInputs.operating, (OperatingRange { 4000, 9000 }));
    EXPECT_FALSE(all<Op::Circle>(picture()).empty());
}

// The verdicts of the sample's peaks (3600, 12000, 3600, 12000, 3675, 12000
// rpm; the first of each curve AF 10.3 or so, the ends without one) in the
// results panel's "pass" column.
QStringList verdicts(const QTableWidget* table)
{
    int pass = -1;
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->horizontalHeaderItem(c)->text() == QLatin1String("pass"))
            pass = c;
    }
    QStringList column;
    for (int r = 0; pass >= 0 && r < table->rowCount(); ++r)
        column << (table->item(r, pass) ? table->item(r, pass)->text() : QString());
    return column;
}

// Ctrl+R opens the panel beside the picture with a row a peak, each with
// its curve's colour as a swatch. Typing an operating range into it (the
// digits go into the boxes, not to the window's keys) replots and gives the
// verdicts: 4000..9000 lies 10 % above the first peaks, short of the 15 %
// their AF asks below the range; 5000..9000 lies 28 % above them. The
// peaks at the data's end have no AF and need no margin. The panel is open
// again at the next start.
TEST_F(ZeptalWindowTest, ResultsPanelGivesVerdictsForTheOperatingRangeTyped)
{
    start();
    EXPECT_FALSE(window->resultsPanel()->isVisible());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const int width = window->width();
    QTest::keyClick(window->button(3), Qt::Key_R, Qt::ControlModifier);
    ResultsPanel* panel = window->resultsPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(window->width(), width + panel->width());
    EXPECT_GE(panel->geometry().left(), window->picture()->geometry().right());
    QTableWidget* table = panel->table();
    ASSERT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("peak"));
    EXPECT_FALSE(table->item(0, 0)->icon().isNull());
    EXPECT_EQ(verdicts(table), QStringList(6, QStringLiteral("-")));

    auto* min = panel->findChild<QLineEdit*>(QStringLiteral("operatingMin"));
    auto* max = panel->findChild<QLineEdit*>(QStringLiteral("operatingMax"));
    ASSERT_NE(min, nullptr);
    ASSERT_NE(max, nullptr);
    const int before = plots;
    min->setFocus();
    QTest::keyClicks(min, QStringLiteral("4000"));
    max->setFocus();
    QTest::keyClicks(max, QStringLiteral("9000"));
    QTest::keyClick(max, Qt::Key_Return);
    EXPECT_EQ(plots, before + 1);
    EXPECT_EQ(viewer->resultInputs.operating, (OperatingRange { 4000, 9000 }));
    EXPECT_EQ(verdicts(table), (QStringList { "no", "yes", "no", "yes", "no", "yes" }));

    min->setFocus();
    min->selectAll();
    QTest::keyClicks(min, QStringLiteral("5000"));
    QTest::keyClick(min, Qt::Key_Return);
    EXPECT_EQ(verdicts(table), QStringList(6, QStringLiteral("yes")));

    // A range the wrong way round is refused, naming it; the verdicts stay.
    max->setFocus();
    max->selectAll();
    QTest::keyClicks(max, QStringLiteral("1000"));
    QTest::keyClick(max, Qt::Key_Return);
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("refusal"))->text(), QStringLiteral("operating=5000,1000: MIN must be below MAX"));
    EXPECT_EQ(viewer->resultInputs.operating, (OperatingRange { 5000, 9000 }));
    EXPECT_EQ(verdicts(table), QStringList(6, QStringLiteral("yes")));

    window->button(6)->click();
    start();
    EXPECT_TRUE(window->resultsPanel()->isVisible());
    EXPECT_EQ(verdicts(window->resultsPanel()->table()), QStringList(6, QStringLiteral("yes")));
}

TEST_F(ZeptalWindowTest, DefaultRestoresTheFactoryFileAndKeepsStyleAndFlags)
{
    start();
    viewer->chartStyle = 2;
    viewer->curveFlags = flagsOf<CurveFlags>({ 0 });
    window->close();
    root.write(kWorkingFile, QByteArray("1 2 3 4 5 6 7 8\r\n1 1\r\na\r\nb\r\nc\r\nd\r\n"));
    start();
    EXPECT_EQ(viewer->settings.Xmin, 1);
    viewer->chartStyle = 2;
    watcher.expect([](QWidget* modal) { acceptMessage(modal); });
    QTest::keyClick(window->button(3), '5');
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(root.read(kWorkingFile), root.read(kFactoryFile));
    EXPECT_EQ(viewer->settings.Xmin, 0);
    EXPECT_EQ(viewer->chartStyle, 2);
    EXPECT_EQ(all<Op::Circle>(picture()).size(), 5u);
}

} // namespace
} // namespace kavel::test
