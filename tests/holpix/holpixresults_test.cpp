#include "holpixtesting.h"

#include "export/chartexport.h"
#include "holpix/criticalspeedmap.h"
#include "holpix/holpixresults.h"
#include "holpix/holpixviewer.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// One mode, kind 0 from 10 Hz at 100 kgf/mm to 100 Hz at 1000; kind 1 from
// 5 to 8, kind 2 all 0.
CriticalSpeedMap map()
{
    CriticalSpeedMap m;
    m.resize(2, 1);
    m.stiffness[1] = 100, m.stiffness[2] = 1000;
    m.frequency(1, 1, 0) = 10, m.frequency(2, 1, 0) = 100;
    m.frequency(1, 1, 1) = 5, m.frequency(2, 1, 1) = 8;
    return m;
}

// Halfway in log10 K (316.2278) lies halfway in log10 f: 31.62278 Hz.
TEST(MapFrequencies, InterpolatedInTheLogarithmsOfStiffnessAndFrequency)
{
    const std::vector<double> k { 316.227766 };
    const std::vector<MapFrequency> found = ComputeMapFrequencies(map(), k, 0);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].curve, 0);
    EXPECT_EQ(found[0].mode, 1);
    EXPECT_NEAR(*found[0].frequency, 31.62278, 1e-5);
}

TEST(MapFrequencies, AStiffnessAtASampleGivesItsValueAndOutsideTheRangeNone)
{
    const std::vector<double> k { 1000, 50, 2000 };
    const std::vector<MapFrequency> found = ComputeMapFrequencies(map(), k, 1);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(*found[0].frequency, 8);
    EXPECT_FALSE(found[1].frequency);
    EXPECT_FALSE(found[2].frequency);
}

// Every kind without a curve given; kind 2's zeros have no logarithm.
TEST(MapFrequencies, EveryCurveKindByStiffnessThenKindThenMode)
{
    const std::vector<double> k { 500 };
    const ResultRows rows = MapFrequencyRows(ComputeMapFrequencies(map(), k, std::nullopt));
    ASSERT_EQ(rows.size(), 3u);
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_EQ(rows[std::size_t(kind)].kind, "critical");
        EXPECT_EQ(rows[std::size_t(kind)].numberOf(QStringLiteral("curve")), kind);
        EXPECT_EQ(rows[std::size_t(kind)].numberOf(QStringLiteral("stiffness")), 500);
    }
    EXPECT_TRUE(rows[1].numberOf(QStringLiteral("frequency")));
    EXPECT_FALSE(rows[2].numberOf(QStringLiteral("frequency")));
}

// Linear axes, 0 … 1000 kgf/mm over 20 cm and 0 … 200 Hz over 10 cm from
// (4, 18). Stiffness 100 is the map's second sample, where mode 1's critical
// speed is 102 Hz: a black line up the frame at x 6 and a circle at chart y
// 12.9 in the first curve colour; the standstill curve is not drawn, and
// stiffness 5000 lies beyond the frame.
TEST(MapFrequencies, MarkersALineAtEachStiffnessAndACircleOnEachCurveDrawn)
{
    HolpixViewer viewer;
    viewer.map = readMap(mapText(3, 1));
    HolpixSettings& s = viewer.settings;
    s.X = { 0, 1000, 100, 20 };
    s.Y = { 0, 200, 50, 10 };
    viewer.axisOptions = { 0, 1, 0, 1, 0 };
    viewer.resultInputs.stiffness = { 100, 5000 };
    viewer.resultInputs.markers = true;
    const OpList ops = RecordChart(viewer, SurfaceKind::Screen);
    EXPECT_TRUE(circlesAt(ops, { { 6, 12.9 } }, kBlack));
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), lineOf(6, 18, 6, 8)), 1);
}

} // namespace
} // namespace kavel::test
