// What every viewer's window adds to its chart, over SAVLEN: the cursor
// readout, the zoom, the chart and its data out of the window, live reload.

#include "support/windowtest.h"

#include "framework/ui/statusline.h"
#include "savlen/savlenviewer.h"

#include <QMouseEvent>
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

} // namespace
} // namespace kavel::test
