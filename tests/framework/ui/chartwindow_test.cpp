// What every viewer's window adds to its chart, over SAVLEN: the cursor
// readout, the zoom, the chart and its data out of the window, live reload.

#include "support/windowtest.h"

#include "framework/reading/numbertext.h"
#include "framework/results/resultformat.h"
#include "framework/settings/chartsettings.h"
#include "framework/ui/chartexportmenu.h"
#include "framework/output/painterrenderer.h"
#include "framework/ui/keyhelp.h"
#include "framework/ui/livereload.h"
#include "framework/ui/statusline.h"
#include "framework/ui/zoom.h"
#include "savlen/savlenviewer.h"

#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QSvgRenderer>
#include <QTest>

namespace kavel::test {
namespace {

const QString kWorkingFile = QStringLiteral("Gavrine/savlen/savlen.tmp");

using ChartWindowTest = WindowTest<SavlenViewer>;

// Moves the mouse over the picture to the pixel nearest chart point `chart`;
// the pixel.
QPoint moveTo(PictureArea* picture, const QPointF& chart)
{
    const QPoint pixel = picture->toPixel(chart).toPoint();
    QMouseEvent move(QEvent::MouseMove, QPointF(pixel), picture->mapToGlobal(QPointF(pixel)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    return pixel;
}

// The sample's frame: x 0 … 1200 mm over 22 cm from x 5, radius -250 … 250
// mm over 9 cm up from y 18. Chart point (10.5, 9.9) is axial position 300
// mm and radius 200 mm, over the first disk, whose outer contour stands at
// 220 mm.
TEST_F(ChartWindowTest, TheStatusLineReadsTheCursorAndTheNearestCurve)
{
    start();
    window->resize(900, 640);
    const QPoint pixel = moveTo(window->picture(), QPointF(10.5, 9.9));
    const double mmPerPixel = 1200.0 / 22 / (window->picture()->toPixel(QPointF(1, 0)).x() - window->picture()->toPixel(QPointF(0, 0)).x());
    const std::optional<CursorReading>& reading = window->cursorReading();
    ASSERT_TRUE(reading) << pixel.x() << "," << pixel.y();
    ASSERT_EQ(reading->values.size(), 2u);
    EXPECT_NEAR(reading->values[0].value, 300, mmPerPixel);
    EXPECT_NEAR(reading->values[1].value, 200, mmPerPixel);
    EXPECT_EQ(reading->nearest, QStringLiteral("outer contour"));
    ASSERT_EQ(reading->nearestValues.size(), 1u);
    EXPECT_DOUBLE_EQ(reading->nearestValues[0].value, 220);
    const QString line = window->statusLine()->readout();
    EXPECT_TRUE(line.startsWith(viewer->settings.XTitle + QLatin1Char(' '))) << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral("outer contour: %1 220").arg(viewer->settings.YTitle))) << line.toStdString();

    // Left of the frame the line says nothing.
    moveTo(window->picture(), QPointF(2, 12));
    EXPECT_FALSE(window->cursorReading());
    EXPECT_EQ(window->statusLine()->readout(), QString());
}

void mouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Drags a rectangle with the left button between two chart points.
void drag(PictureArea* picture, const QPointF& from, const QPointF& to)
{
    const QPoint a = picture->toPixel(from).toPoint();
    const QPoint b = picture->toPixel(to).toPoint();
    mouse(picture, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    mouse(picture, QEvent::MouseMove, (a + b) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(picture, QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
    mouse(picture, QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
}

// The rectangle from (7.75, 11.25) to (16, 15.75) spans 150 … 600 mm and
// -125 … 125 mm. Twelve ticks of 100 mm before make about twelve of 50
// after; ten of 50 make about ten of 20. Home brings back the ranges.
TEST_F(ChartWindowTest, ADragZoomsToTheRectangleAndHomeRestores)
{
    start();
    window->resize(900, 640);
    const SavlenSettings before = viewer->settings;
    drag(window->picture(), QPointF(7.75, 11.25), QPointF(16, 15.75));
    const double mmPerPixel = 1200.0 / 22 / (window->picture()->toPixel(QPointF(1, 0)).x() - window->picture()->toPixel(QPointF(0, 0)).x());
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(window->zoomed());
    EXPECT_NEAR(viewer->settings.X.min, 150, mmPerPixel);
    EXPECT_NEAR(viewer->settings.X.max, 600, mmPerPixel);
    EXPECT_EQ(viewer->settings.X.pitch, 50);
    EXPECT_NEAR(viewer->settings.Y.min, -125, 2 * mmPerPixel);
    EXPECT_NEAR(viewer->settings.Y.max, 125, 2 * mmPerPixel);
    EXPECT_EQ(viewer->settings.Y.pitch, 20);
    // The chart is drawn from the new ranges: its first X tick label.
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral(" 200 ")));
    EXPECT_EQ(viewer->settings.X.length, before.X.length);

    // Shortcuts go to the active window.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->button(3), Qt::Key_Home);
    EXPECT_FALSE(window->zoomed());
    EXPECT_EQ(plots, 3);
    EXPECT_EQ(viewer->settings.X.min, before.X.min);
    EXPECT_EQ(viewer->settings.X.max, before.X.max);
    EXPECT_EQ(viewer->settings.X.pitch, before.X.pitch);
    EXPECT_EQ(viewer->settings.Y.min, before.Y.min);
    EXPECT_EQ(viewer->settings.Y.pitch, before.Y.pitch);

    // The wheel narrows the ranges about the cursor, a double click and Esc
    // restore them as Home does.
    const QPointF at(10.5, 13.5);
    QWheelEvent wheel(window->picture()->toPixel(at), window->picture()->mapToGlobal(window->picture()->toPixel(at)), QPoint(), QPoint(0, 240),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->picture(), &wheel);
    EXPECT_TRUE(window->zoomed());
    EXPECT_LT(viewer->settings.X.max - viewer->settings.X.min, 0.7 * 1200);
    EXPECT_GT(viewer->settings.X.min, 0);
    mouse(window->picture(), QEvent::MouseButtonDblClick, window->picture()->toPixel(at).toPoint(), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(window->zoomed());
    EXPECT_EQ(viewer->settings.X.max, before.X.max);
    drag(window->picture(), QPointF(7.75, 11.25), QPointF(16, 15.75));
    QTest::keyClick(window->button(3), Qt::Key_Escape);
    EXPECT_FALSE(window->zoomed());
}

TEST_F(ChartWindowTest, QuitAfterAZoomWritesTheRangesFromBeforeIt)
{
    const QByteArray sample = root.read(kWorkingFile);
    start();
    drag(window->picture(), QPointF(7.75, 11.25), QPointF(16, 15.75));
    ASSERT_TRUE(window->zoomed());
    window->button(6)->click();
    EXPECT_EQ(root.read(kWorkingFile), sample);

    // Accepted in the editing dialog while zoomed, the zoomed ranges stay.
    start();
    drag(window->picture(), QPointF(7.75, 11.25), QPointF(16, 15.75));
    const double zoomedMin = viewer->settings.X.min;
    ASSERT_NE(zoomedMin, 0);
    open();
    control<QPushButton>(dialog, QStringLiteral("Command2"))->click();
    EXPECT_FALSE(window->zoomed());
    window->button(6)->click();
    EXPECT_TRUE(root.read(kWorkingFile).startsWith(NumberText::printedExact(zoomedMin).toLatin1())) << root.read(kWorkingFile).left(40).toStdString();
}

// A log axis takes the rectangle's decades without a pitch; a deflection
// axis drawn downward (its settings range negated) gets the negated range.
TEST(ChartZoom, LogAndNegatedAxesTakeTheirOwnRanges)
{
    AxisSettings x { 10, 10000, 7, 15 };
    AxisSettings y { -0.1, 0.025, 0.025, 10 };
    double untouched = 3;
    SettingsLayout layout;
    layout.axis(x).axis(y).numbers({ &untouched });

    PlotArea area;
    area.frame = QRectF(4, 8, 15, 10);
    area.x = DataAxis::log(QStringLiteral("stiffness"), 10, 4, 10000, 19);
    area.x.zoomedBy(x.min, x.max);
    // A deflection d is drawn where the labels read -d.
    DataAxis deflection = DataAxis::linear(QStringLiteral("deflection"), -y.max, 8, -y.min, 18);
    deflection.zoomedBy(y.min, y.max, &y.pitch);
    deflection.negated = true;
    area.y.push_back(deflection);
    area.y.push_back(DataAxis::linear(QStringLiteral("follows"), 0, 18, 1, 8)); // no settings items

    ChartZoom zoom;
    // x 9 … 14 is 100 … 1000; y 10 … 14 is deflection 0 … 0.05.
    ASSERT_TRUE(zoom.zoomTo({ area }, QRectF(QPointF(9, 10), QPointF(14, 14)), layout));
    EXPECT_DOUBLE_EQ(x.min, 100);
    EXPECT_DOUBLE_EQ(x.max, 1000);
    EXPECT_EQ(x.pitch, 7);
    EXPECT_DOUBLE_EQ(y.min, -0.05);
    EXPECT_DOUBLE_EQ(y.max, 0);
    EXPECT_EQ(y.pitch, 0.01);
    EXPECT_EQ(untouched, 3);
    EXPECT_TRUE(zoom.restore());
    EXPECT_EQ(x.min, 10);
    EXPECT_EQ(y.min, -0.1);
    EXPECT_EQ(y.pitch, 0.025);
    EXPECT_FALSE(zoom.restore());

    // An item the layout does not list is never set.
    SettingsLayout other;
    other.axis(y);
    EXPECT_TRUE(zoom.zoomTo({ area }, QRectF(QPointF(9, 10), QPointF(14, 14)), other));
    EXPECT_EQ(x.min, 10);
}

// The menu's action of that object name.
QAction* menuEntry(ViewerWindow* window, const char* name)
{
    for (QAction* action : window->picture()->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    ADD_FAILURE() << name;
    return nullptr;
}

// The rows of a CSV file written by the window, its fields split at commas
// (the titles here hold none).
QList<QStringList> csvRows(const QByteArray& bytes)
{
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows << line.split(QLatin1Char(','));
    return rows;
}

TEST_F(ChartWindowTest, TheMenuSavesTheChartInEachFormatAndRemembersTheFolder)
{
    start();
    window->resize(900, 640);
    const QString out = root.path(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    QStringList offered;
    QString answer;
    ChartExportMenu::setFileChooser([&](QWidget*, const QString&, const QString& path, const QString&) {
        offered << path;
        return answer;
    });

    answer = out + QStringLiteral("/chart.svg");
    menuEntry(window.get(), "saveChart")->trigger();
    EXPECT_TRUE(QSvgRenderer(answer).isValid());
    answer = out + QStringLiteral("/chart.png");
    menuEntry(window.get(), "saveChart")->trigger();
    EXPECT_EQ(QImage(answer).size(), window->picture()->size() * 2);
    // No extension: the printed page as PDF.
    answer = out + QStringLiteral("/page");
    menuEntry(window.get(), "saveChart")->trigger();
    EXPECT_TRUE(fileBytes(out + QStringLiteral("/page.pdf")).startsWith("%PDF-"));
    ChartExportMenu::setFileChooser({});

    // The first dialog offered the data file's folder, the later ones the
    // folder saved to, which a file of its own remembers.
    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(offered[0], root.path(QStringLiteral("data/savlen.pdf")));
    EXPECT_EQ(offered[1], out + QStringLiteral("/savlen.pdf"));
    EXPECT_EQ(root.read(QStringLiteral("Gavrine/savlen/savlen.folder")), out.toUtf8() + "\n");
    EXPECT_TRUE(window->statusLine()->fileStatus().contains(QStringLiteral("page.pdf")));

    // Copies: an image as the window shows it, and SVG.
    menuEntry(window.get(), "copyImage")->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), window->picture()->size() * 2);
    menuEntry(window.get(), "copySvg")->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(QSvgRenderer(copied->data(QStringLiteral("image/svg+xml"))).isValid());
}

// The section as read: each point's axial position, then the radius of the
// outer and inner contour, upper half and lower half.
TEST_F(ChartWindowTest, ThePlottedDataHoldTheValuesRead)
{
    start();
    const QString csv = root.path(QStringLiteral("section.csv"));
    ChartExportMenu::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return csv; });
    menuEntry(window.get(), "savePlottedData")->trigger();
    ChartExportMenu::setFileChooser({});

    const QList<QStringList> rows = csvRows(fileBytes(csv));
    const QString y = viewer->settings.YTitle;
    ASSERT_EQ(rows.size(), 1 + viewer->model.N);
    EXPECT_EQ(rows[0], (QStringList { viewer->settings.XTitle, "outer contour " + y, "inner contour " + y, "lower outer contour " + y, "lower inner contour " + y }));
    for (int i = 1; i <= viewer->model.N; ++i) {
        const ModelPoint& p = viewer->model.point(i);
        EXPECT_EQ(rows[i][0].toDouble(), p.x) << i;
        EXPECT_EQ(rows[i][1].toDouble(), p.D / 2) << i;
        EXPECT_EQ(rows[i][2].toFloat(), p.d / 2) << i;
        EXPECT_EQ(rows[i][3].toDouble(), -p.D / 2) << i;
    }
}

// The results table as `kavel-export --report -o F.csv` writes it.
TEST_F(ChartWindowTest, TheResultsTableSavesAsCsv)
{
    start();
    const QString csv = root.path(QStringLiteral("rotor"));
    QString offered;
    ChartExportMenu::setFileChooser([&](QWidget*, const QString&, const QString& path, const QString&) {
        offered = path;
        return csv;
    });
    menuEntry(window.get(), "saveResults")->trigger();
    ChartExportMenu::setFileChooser({});

    EXPECT_TRUE(offered.endsWith(QStringLiteral("/savlen-results.csv")));
    EXPECT_EQ(fileBytes(csv + QStringLiteral(".csv")), ResultFormat::csv(viewer->results()));
    EXPECT_TRUE(fileBytes(csv + QStringLiteral(".csv")).startsWith("kind,length,elements,max_diameter\nrotor,"));
}

// The sample model with another comment, and cut off inside its records.
QByteArray withComment(const QByteArray& model, const QByteArray& comment)
{
    const qsizetype first = model.indexOf('\n') + 1;
    return model.left(first) + comment + model.mid(model.indexOf('\n', first));
}

// A job rewrites the data file: the window reads it again once it stands
// still, and a file caught half-written draws what it holds.
TEST_F(ChartWindowTest, ARewrittenDataFileIsReadAgainAndAHalfWrittenOneDrawsWhatItHolds)
{
    const QString data = QStringLiteral("data/savlen.mac");
    const QByteArray sample = root.read(data);
    start();
    const int points = viewer->model.N;
    ASSERT_TRUE(window->liveReload()->toggle()->isChecked());

    // Half of the records, as a solver still writing leaves the file.
    root.write(data, withComment(sample, "Half written").left(sample.size() / 2));
    QTRY_VERIFY_WITH_TIMEOUT(plots == 2, 1500);
    EXPECT_FALSE(viewer->readings.data.complete());
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Half written")));
    EXPECT_TRUE(window->statusLine()->fileStatus().startsWith(QStringLiteral("Reread savlen.mac at "))) << window->statusLine()->fileStatus().toStdString();
    EXPECT_TRUE(window->statusLine()->fileStatus().endsWith(QStringLiteral("(not read to its end)")));

    // The whole file replaces it.
    root.write(data, withComment(sample, "Whole again"));
    QTRY_VERIFY_WITH_TIMEOUT(plots == 3, 1500);
    EXPECT_TRUE(viewer->readingsComplete());
    EXPECT_EQ(viewer->model.N, points);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Whole again")));
    EXPECT_FALSE(window->statusLine()->fileStatus().contains(QStringLiteral("not read")));
}

TEST_F(ChartWindowTest, AFileThatIsGoneLeavesThePictureAndTheSwitchTurnsRereadingOff)
{
    const QString data = QStringLiteral("data/savlen.mac");
    const QByteArray sample = root.read(data);
    start();
    const OpList before = picture();
    ASSERT_TRUE(QFile::remove(root.path(data)));
    QTRY_VERIFY_WITH_TIMEOUT(window->statusLine()->fileStatus().contains(QStringLiteral("is gone")), 1500);
    EXPECT_TRUE(window->statusLine()->fileStatus().contains(QDir::toNativeSeparators(root.path(data))));
    EXPECT_EQ(plots, 1);
    EXPECT_EQ(picture(), before);

    // Off: a new file is not read …
    menuEntry(window.get(), "liveReload")->trigger();
    EXPECT_FALSE(window->liveReload()->isEnabled());
    root.write(data, withComment(sample, "Back while off"));
    QTest::qWait(3 * LiveReload::kSettleMs);
    EXPECT_EQ(plots, 1);
    // … until it is switched on again.
    menuEntry(window.get(), "liveReload")->trigger();
    EXPECT_EQ(plots, 2);
    EXPECT_TRUE(pictureTexts().contains(QStringLiteral("Back while off")));
}

// Labels keep their share of the chart: a picture about twice as large
// draws them as much larger, where they stayed at 8 points before.
TEST_F(ChartWindowTest, TextGrowsWithThePicture)
{
    start();
    const Op::Text label { 5, 18.2f, QStringLiteral(" 0 "), QStringLiteral("times new roman"), 8, 0, 0, kBlack };
    auto labelPixels = [&](const QSize& windowSize) {
        window->resize(windowSize);
        const QSize picture = window->picture()->size();
        return std::make_pair(window->picture()->mappingFor(picture).textFont(label).pixelSize(), window->picture()->mappingFor(picture).pixelsPerCm);
    };
    const auto [small, smallScale] = labelPixels(QSize(700, 520));
    const auto [large, largeScale] = labelPixels(QSize(1400, 1040));
    ASSERT_GT(largeScale / smallScale, 1.9);
    EXPECT_NEAR(double(large) / small, largeScale / smallScale, 0.1);
}

// Without a printer "4:Print" offers a PDF named after the viewer in the
// data file's folder, and the status line says where the page went.
TEST_F(ChartWindowTest, PrintingWithoutAPrinterOffersTheDataFolderAndSaysWhereItWrote)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is installed";
    start();
    QString offered;
    ViewerWindow::setPrintFileChooser([&](QWidget*, const QString& path) {
        offered = path;
        return path;
    });
    window->button(4)->click();
    ViewerWindow::setPrintFileChooser({});
    EXPECT_EQ(offered, root.path(QStringLiteral("data/savlen.pdf")));
    EXPECT_TRUE(fileBytes(offered).startsWith("%PDF-"));
    EXPECT_TRUE(window->statusLine()->fileStatus().endsWith(QDir::toNativeSeparators(offered))) << window->statusLine()->fileStatus().toStdString();
}

// F1 lists the viewer's number keys with their buttons (SAVLEN has no 5),
// every shortcut of the menu, and the mouse.
TEST_F(ChartWindowTest, F1ListsEveryKeyOfTheWindow)
{
    start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->button(3), Qt::Key_F1);
    auto* help = window->findChild<KeyHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    std::map<QString, QString> keys;
    for (const auto& [key, what] : KeyHelp::rows(*window))
        keys[key] = what;
    EXPECT_EQ(keys[QStringLiteral("1")], QStringLiteral("1:File"));
    EXPECT_EQ(keys[QStringLiteral("6")], QStringLiteral("6:Quit"));
    EXPECT_EQ(keys.count(QStringLiteral("5")), 0u);
    const auto native = [](const QKeySequence& key) { return key.toString(QKeySequence::NativeText); };
    EXPECT_EQ(keys[native(QKeySequence::Save)], QStringLiteral("Save chart as"));
    EXPECT_EQ(keys[native(QKeySequence(Qt::Key_Home)) + QStringLiteral(", ") + native(QKeySequence(Qt::Key_Escape))], QStringLiteral("Ranges before zooming"));
    EXPECT_EQ(keys[native(QKeySequence(Qt::CTRL | Qt::Key_L))], QStringLiteral("Reread changed files automatically"));
    EXPECT_EQ(keys[native(QKeySequence(Qt::CTRL | Qt::Key_R))], QStringLiteral("Results panel"));
    EXPECT_EQ(keys[native(QKeySequence(Qt::CTRL | Qt::Key_I))], QStringLiteral("Reading report"));
    EXPECT_TRUE(keys.count(native(QKeySequence(Qt::Key_F1))));
    help->close();
}

TEST(ChartZoom, PitchesAreOneTwoOrFiveTimesAPowerOfTen)
{
    EXPECT_EQ(ChartZoom::nicePitch(450, 12), 50);
    EXPECT_EQ(ChartZoom::nicePitch(250, 10), 20);
    EXPECT_EQ(ChartZoom::nicePitch(0.3, 3), 0.1);
    EXPECT_EQ(ChartZoom::nicePitch(-7000, 10), 500);
    EXPECT_EQ(ChartZoom::nicePitch(0, 10), 0);
}

} // namespace
} // namespace kavel::test
