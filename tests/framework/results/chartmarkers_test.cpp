#include "framework/chart/chartframe.h"
#include "framework/results/chartmarkers.h"
#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// A frame from (2, 1) to (12, 11), one chart centimetre a unit from its
// lower-left corner; values below 0 have no place on the x axis.
const MarkerAxes kAxes {
    QRectF(2, 1, 10, 10),
    [](double x) { return x >= 0 ? std::optional(2 + x) : std::nullopt; },
    [](double y) { return std::optional(11 - y); },
};

TEST(ChartMarkers, VerticalsLevelsThenPointsInsideTheFrameOnly)
{
    ChartMarkers markers;
    markers.points = { { 5, 5, 2 }, { 11, 5, 2 }, { 3, 4, 4, ChartMarkers::Shape::Tick } };
    markers.levels = { { 2, 4, 6, 3 }, { 2, 12, 6, 3 } };
    markers.verticals = { { 7, 0 }, { -1, 0 } };
    RecordingSurface s(SurfaceKind::Screen);
    DrawChartMarkers(s, markers, kAxes);
    EXPECT_EQ(s.ops(), (OpList {
                           lineOf(9, 11, 9, 1, 0),
                           lineOf(4, 5, 6, 5, 3),
                           Op::Circle { 7, 6, 0.15f, Palette::colour(2), 1 },
                           lineOf(5, 6.75f, 5, 7.25f, 4),
                       }));
}

TEST(ChartMarkers, NoMarkersDrawNothing)
{
    RecordingSurface s(SurfaceKind::Printer);
    DrawChartMarkers(s, {}, kAxes);
    EXPECT_TRUE(s.ops().empty());
}

TEST(ChartMarkers, LinearAxesAreTheGeometrysFrameAndPlaces)
{
    // 0.1 cm a unit on both axes, physical 0 at the origin (4, 18).
    const ChartGeometry g = *ChartGeometry::compute({ 0, 100, 10, 10 }, { 0, 50, 10, 5 }, { 4, 18 });
    const MarkerAxes axes = MarkerAxes::linear(g, 10, 5);
    EXPECT_EQ(axes.frame, QRectF(4, 13, 10, 5));
    EXPECT_EQ(axes.x(50), 9);
    EXPECT_EQ(axes.y(20), 16);
}

} // namespace
} // namespace kavel::test
