#include "framework/ui/chartcursor.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Speed 0 … 100 over x 4 … 24, frequency 0 … 50 from y 18 up to 8: 5 units
// a centimetre each way. Two modes, and the frequency equal to the speed.
PlotArea campbell()
{
    PlotArea area;
    area.frame = QRectF(4, 8, 20, 10);
    area.x = DataAxis::linear(QStringLiteral("speed"), 0, 4, 100, 24);
    area.y.push_back(DataAxis::linear(QStringLiteral("frequency"), 0, 18, 50, 8));
    area.curves.push_back({ QStringLiteral("mode 1"), 0, { 0, 50, 100 }, { 10, 12, 14 }, {} });
    area.curves.push_back({ QStringLiteral("mode 2"), 0, { 0, 50, 100 }, { 30, 35, 40 }, {} });
    return area;
}

TEST(ChartCursor, ReadsTheAxesAndTheNearestCurvesValueAtTheCursorsX)
{
    // At speed 25 and frequency 20: mode 1 reads 11 there (5 cm below the
    // cursor... 9 units), mode 2 reads 32.5 (12.5 units): mode 1 is nearest.
    const std::optional<CursorReading> r = ReadCursor({ campbell() }, QPointF(9, 14));
    ASSERT_TRUE(r);
    ASSERT_EQ(r->values.size(), 2u);
    EXPECT_EQ(r->values[0].name, QStringLiteral("speed"));
    EXPECT_DOUBLE_EQ(r->values[0].value, 25);
    EXPECT_DOUBLE_EQ(r->values[1].value, 20);
    EXPECT_EQ(r->nearest, QStringLiteral("mode 1"));
    ASSERT_EQ(r->nearestValues.size(), 1u);
    EXPECT_NEAR(r->nearestValues[0].value, 11, 1e-12);
    EXPECT_EQ(r->text(), QStringLiteral("speed 25   frequency 20   \u00b7   mode 1: frequency 11"));

    // Nearer the upper curve.
    EXPECT_EQ(ReadCursor({ campbell() }, QPointF(9, 11))->nearest, QStringLiteral("mode 2"));
    // Outside the only frame nothing is read.
    EXPECT_FALSE(ReadCursor({ campbell() }, QPointF(2, 14)));
}

TEST(ChartCursor, APathReadsItsNearestPointWithItsParameter)
{
    PlotArea gauss;
    gauss.x = DataAxis::linear(QStringLiteral("Re"), -10, 4, 10, 24);
    gauss.y.push_back(DataAxis::linear(QStringLiteral("Im"), 0, 18, 100, 8));
    gauss.parameter = QStringLiteral("speed");
    gauss.curves.push_back({ QStringLiteral("mode 1"), 0, { -1, -2, -4 }, { 40, 50, 60 }, { 0, 100, 200 } });
    const std::optional<CursorReading> r = ReadCursor({ gauss }, QPointF(12, 13.1));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->nearest, QStringLiteral("mode 1"));
    ASSERT_EQ(r->nearestValues.size(), 3u);
    EXPECT_EQ(r->nearestValues[0].name, QStringLiteral("speed"));
    EXPECT_EQ(r->nearestValues[0].value, 100);
    EXPECT_EQ(r->nearestValues[1].value, -2);
    EXPECT_EQ(r->nearestValues[2].value, 50);
}

TEST(ChartCursor, ASketchReadsItsNearestMarker)
{
    PlotArea sketch;
    sketch.kind = PlotArea::Kind::Sketch;
    sketch.markers = { { QPointF(5, 20), QStringLiteral("mode 1, station 1") }, { QPointF(8, 18), QStringLiteral("mode 2, station 3") } };
    EXPECT_EQ(ReadCursor({ sketch }, QPointF(7, 18.5))->text(), QStringLiteral("mode 2, station 3"));
}

} // namespace
} // namespace kavel::test
