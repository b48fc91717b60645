#include "export/chartexport.h"
#include "valden/eigendata.h"
#include "valden/valdenresults.h"
#include "valden/valdenviewer.h"

#include "support/chartops.h"

#include "support/qtprint.h"

#include <QStringList>

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace kavel::test {
namespace {

// A mode at one speed step: its natural frequency (Hz) and damping ratio.
struct ModePoint {
    double frequency;
    double damping;
};

// The eigenvalues σ + iω of those modes: ω = 2πf, σ = −ζ·|λ| with
// |λ| = ω/√(1 − ζ²).
EigenData eigenData(const std::vector<float>& speeds, const std::vector<std::vector<ModePoint>>& steps)
{
    EigenData data;
    data.N1 = int(speeds.size());
    data.N2 = int(steps.front().size());
    data.speed = speeds;
    for (const std::vector<ModePoint>& step : steps) {
        for (const ModePoint& m : step) {
            const double omega = 2 * std::numbers::pi * m.frequency;
            data.omega.push_back(float(omega));
            data.sigma.push_back(float(-m.damping * omega / std::sqrt(1 - m.damping * m.damping)));
        }
    }
    return data;
}

// Speeds 0, 10, 20 rps. Mode 1 stands at 10 Hz with ζ rising from 0.02 to
// 0.06: order 1 meets it at the sample 10 rps, order 2 halfway to it, at
// 5 rps, where ζ = 0.04 and δ = 2π·0.04/√(1 − 0.0016) = 0.2515282.
TEST(CampbellResults, CrossingsOfEachOrderWithTheirDampingInterpolated)
{
    const EigenData data = eigenData({ 0, 10, 20 }, { { { 10, 0.02 } }, { { 10, 0.06 } }, { { 10, 0.06 } } });
    const std::vector<double> orders { 1, 2 };
    const CampbellResults results = ComputeCampbellResults(data, orders);
    ASSERT_EQ(results.crossings.size(), 2u);
    const OrderCrossing& first = results.crossings[0];
    EXPECT_EQ(first.mode, 1);
    EXPECT_EQ(first.order, 1);
    EXPECT_NEAR(first.speed, 10, 1e-5);
    EXPECT_NEAR(first.frequency, 10, 1e-5);
    EXPECT_NEAR(*first.dampingRatio, 0.06, 1e-6);
    const OrderCrossing& second = results.crossings[1];
    EXPECT_EQ(second.order, 2);
    EXPECT_NEAR(second.speed, 5, 1e-5);
    EXPECT_NEAR(*second.dampingRatio, 0.04, 1e-6);
    EXPECT_NEAR(*second.logDecrement, 0.2515282, 1e-6);
    EXPECT_TRUE(results.onsets.empty());
}

// Mode 1 goes from ζ 0.02 at 10 rps to −0.02 at 20: unstable from 15 rps.
// Mode 2 is unstable from the first speed on: its onset lies below the data.
TEST(CampbellResults, InstabilityOnsetWhereTheDampingRatioTurnsNegative)
{
    const EigenData data = eigenData({ 0, 10, 20 }, { { { 100, 0.05 }, { 200, -0.01 } }, { { 100, 0.02 }, { 200, -0.01 } }, { { 110, -0.02 }, { 200, -0.01 } } });
    const CampbellResults results = ComputeCampbellResults(data, std::vector<double> { 1 });
    EXPECT_TRUE(results.crossings.empty());
    ASSERT_EQ(results.onsets.size(), 2u);
    EXPECT_EQ(results.onsets[0].mode, 1);
    EXPECT_NEAR(*results.onsets[0].speed, 15, 1e-4);
    EXPECT_NEAR(*results.onsets[0].frequency, 105, 1e-3);
    EXPECT_EQ(results.onsets[1].mode, 2);
    EXPECT_FALSE(results.onsets[1].speed);
}

TEST(CampbellResults, RowsNameTheirFieldsAndAnEigenvalueOfModulusZeroHasNoDamping)
{
    // 20 Hz at 0 rps, then λ = 0: order 1 is met 2/3 of the way.
    EigenData data = eigenData({ 0, 10 }, { { { 20, 0 } }, { { 0, 0 } } });
    const ResultRows rows = CampbellResultRows(ComputeCampbellResults(data, std::vector<double> { 1 }));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, "crossing");
    QStringList names;
    for (const ResultField& f : rows[0].fields)
        names << f.name;
    EXPECT_EQ(names, (QStringList { "mode", "order", "speed", "frequency", "damping_ratio", "log_decrement" }));
    EXPECT_NEAR(*rows[0].numberOf(QStringLiteral("speed")), 20.0 / 3, 1e-5);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(*rows[0].field(QStringLiteral("damping_ratio"))));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(*rows[0].field(QStringLiteral("log_decrement"))));
}

// Speed 0 … 100 rps over 20 cm, 0 … 50 Hz over 10 cm from (4, 18): mode 1
// stands at 20 Hz and meets order 1 at 20 rps, chart (8, 14), and order 2
// at 10 rps, chart (6, 14), in its colour, black.
TEST(CampbellResults, MarkersCircleEachCrossingOnTheXYChartOnly)
{
    ValdenViewer viewer;
    ValdenSettings& s = viewer.settings;
    s.Xmin = 0, s.Xmax = 100, s.Ymin = 0, s.Ymax = 50;
    s.Xpitch = 50, s.Ypitch = 25, s.Xlength = 20, s.Ylength = 10;
    s.ReMin = -20, s.ReMax = 5, s.ImMin = 0, s.ImMax = 100;
    s.RePitch = 5, s.ImPitch = 50, s.ReLength = 10, s.ImLength = 10;
    viewer.data = eigenData({ 0, 50, 100 }, { { { 20, 0.01 } }, { { 20, 0.01 } }, { { 20, 0.01 } } });
    viewer.resultInputs.orders = { 1, 2 };
    EXPECT_TRUE(all<Op::Circle>(RecordChart(viewer, SurfaceKind::Screen)).empty());

    viewer.resultInputs.markers = true;
    EXPECT_TRUE(circlesAt(RecordChart(viewer, SurfaceKind::Screen), { { 8, 14 }, { 6, 14 } }, kBlack));

    viewer.ChartMode = ValdenViewer::GaussChart;
    EXPECT_TRUE(all<Op::Circle>(RecordChart(viewer, SurfaceKind::Screen)).empty());
}

} // namespace
} // namespace kavel::test
