#include "framework/surface/plotarea.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Speed 0 … 200 rps over x 4 … 24; frequency 0 … 100 Hz from y 18 up to 8.
TEST(DataAxis, ALinearAxisMapsBothWaysAndGoesOnBeyondItsEnds)
{
    const DataAxis x = DataAxis::linear(QStringLiteral("speed"), 0, 4, 200, 24);
    EXPECT_DOUBLE_EQ(x.toChart(50), 9);
    EXPECT_DOUBLE_EQ(x.toValue(9), 50);
    EXPECT_DOUBLE_EQ(x.toValue(26), 220);
    const DataAxis y = DataAxis::linear(QStringLiteral("frequency"), 100, 8, 0, 18);
    EXPECT_DOUBLE_EQ(y.toChart(25), 15.5);
    EXPECT_DOUBLE_EQ(y.toValue(15.5), 25);
    // A zero range maps nothing.
    EXPECT_TRUE(std::isnan(DataAxis::linear(QString(), 5, 4, 5, 24).toValue(10)));
}

// Decades 10, 100, 1000, 10000 at x 4, 9, 14, 19.
TEST(DataAxis, ALogAxisPlacesDecadesEvenlyAndHasNoPlaceForZero)
{
    const DataAxis x = DataAxis::log(QStringLiteral("stiffness"), 10, 4, 10000, 19);
    EXPECT_NEAR(x.toChart(100), 9, 1e-12);
    EXPECT_NEAR(x.toValue(14), 1000, 1e-9);
    EXPECT_NEAR(x.toValue(11.5), std::sqrt(10.0) * 100, 1e-9);
    EXPECT_TRUE(std::isnan(x.toChart(0)));
}

// The damping ratio's scale: -0.02 … 0.1 in the lower half of 10 cm, 0.1 … 1
// in the upper half.
TEST(DataAxis, APieceWiseScaleReadsEachPieceByItself)
{
    DataAxis d;
    d.knots = { { -0.02, 18 }, { 0.1, 13 }, { 1, 8 } };
    EXPECT_NEAR(d.toValue(15.5), 0.04, 1e-12);
    EXPECT_NEAR(d.toValue(10.5), 0.55, 1e-12);
    EXPECT_NEAR(d.toChart(0.55), 10.5, 1e-12);
    EXPECT_NEAR(d.toChart(-0.02), 18, 1e-12);
}

// Centre (9, 12), 0.1 cm per μm: a lag of 90 degrees lies above the centre.
TEST(PlotArea, APolarAreaReadsAmplitudeAndLag)
{
    PlotArea area;
    area.kind = PlotArea::Kind::Polar;
    area.centre = QPointF(9, 12);
    area.radiusScale = 0.1;
    const QPointF above = area.valueAt(QPointF(9, 9));
    EXPECT_NEAR(above.x(), 30, 1e-12);
    EXPECT_NEAR(above.y(), -90, 1e-12);
    EXPECT_NEAR(area.valueAt(QPointF(9, 15)).y(), -270, 1e-12);
    PlotCurve path;
    path.x = { 30 };
    path.y = { 90 };
    const QPointF drawn = area.chartPoint(path, 0);
    EXPECT_NEAR(drawn.x(), 9, 1e-12);
    EXPECT_NEAR(drawn.y(), 15, 1e-12);
}

} // namespace
} // namespace kavel::test
