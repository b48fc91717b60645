#include "zeptaltesting.h"

#include "export/chartexport.h"
#include "zeptal/zeptalresults.h"
#include "zeptal/zeptalviewer.h"

#include "support/qtprint.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Curve 1 peaks at 4000 rpm (8 μm, phase −90) and falls to 4 on both sides:
// N1 = 3414.214, N2 = 4585.786, AF = 4000 / 1171.573 = 3.414214. Curve 2
// rises to the data's end.
UnbalanceResponse response()
{
    const float a[] = { 1, 2, 4, 8, 4, 2, 1 };
    std::vector<Point3> peaked, rising;
    for (int i = 0; i < 7; ++i) {
        peaked.push_back({ float(1000 * (i + 1)), a[i], i == 3 ? -90.f : -10.f });
        rising.push_back({ float(1000 * (i + 1)), float(i + 1), 0 });
    }
    return responseOf({ peaked, rising });
}

TEST(ResponsePeaks, PeakHalfPowerPointsAndAmplificationOfEachCurve)
{
    const std::vector<ResponsePeak> peaks = ComputeResponsePeaks(response(), std::nullopt);
    ASSERT_EQ(peaks.size(), 2u);
    EXPECT_EQ(peaks[0].curve, 1);
    EXPECT_EQ(peaks[0].speed, 4000);
    EXPECT_EQ(peaks[0].amplitude, 8);
    EXPECT_EQ(peaks[0].phase, -90);
    EXPECT_NEAR(*peaks[0].resonance.n1, 3414.214, 1e-3);
    EXPECT_NEAR(*peaks[0].resonance.n2, 4585.786, 1e-3);
    EXPECT_NEAR(*peaks[0].resonance.af, 3.414214, 1e-6);
    EXPECT_FALSE(peaks[0].separation);
    EXPECT_EQ(peaks[1].curve, 2);
    EXPECT_EQ(peaks[1].speed, 7000);
    EXPECT_FALSE(peaks[1].resonance.af);
}

// Below 5000..6000 by 20 %, where AF 3.414214 asks for
// 17·(1 − 1/1.914214) = 8.119068 %: it passes. The curve rising to the end
// has no factor: no margin is asked of it. Inside 3500..4500 the peak fails.
TEST(ResponsePeaks, VerdictsAgainstTheOperatingRange)
{
    const std::vector<ResponsePeak> clear = ComputeResponsePeaks(response(), OperatingRange { 5000, 6000 });
    EXPECT_NEAR(*clear[0].separation->margin, 20, 1e-9);
    EXPECT_NEAR(*clear[0].separation->required, 8.119068, 1e-6);
    EXPECT_TRUE(clear[0].separation->pass);
    EXPECT_NEAR(*clear[1].separation->margin, 1000.0 / 6000 * 100, 1e-9);
    EXPECT_EQ(*clear[1].separation->required, 0);
    EXPECT_TRUE(clear[1].separation->pass);

    EXPECT_FALSE(ComputeResponsePeaks(response(), OperatingRange { 3500, 4500 })[0].separation->pass);
}

TEST(ResponsePeaks, RowsHaveEveryFieldAndNoneWithoutAnOperatingRange)
{
    const ResultRows rows = ResponsePeakRows(ComputeResponsePeaks(response(), std::nullopt));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].kind, "peak");
    QStringList names;
    for (const ResultField& f : rows[0].fields)
        names << f.name;
    EXPECT_EQ(names, (QStringList { "curve", "speed", "amplitude", "phase", "n1", "n2", "af", "sm", "sm_required", "pass" }));
    for (const char* none : { "sm", "sm_required", "pass" })
        EXPECT_TRUE(std::holds_alternative<std::monostate>(*rows[0].field(QString::fromLatin1(none)))) << none;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(*rows[1].field(QStringLiteral("n2"))));
}

// 0 … 6000 rpm over 20 cm and 0 … 100 μm over 10 cm from (4, 18): the peak
// 8 μm at 4000 rpm at (17.33333, 17.2); at the half-power level 5.656854
// (chart y 17.434315) ticks at N1 3414.214 (x 15.380712) and N2 4585.786
// (x 19.285955) and the line between them, in curve 1's black. Curve 2's
// peak at the data's end, 7000 rpm, lies beyond the frame: no circle.
TEST(ResponsePeaks, MarkersOnTheBodeChartOnly)
{
    ZeptalViewer viewer;
    viewer.settings = bodeSettings();
    viewer.data = response();
    viewer.resultInputs.markers = true;
    const OpList ops = RecordChart(viewer, SurfaceKind::Screen);
    EXPECT_TRUE(circlesAt(ops, { { 17.333333, 17.2 } }, kBlack));
    const std::vector<Op::Line> black = linesIn(ops, 0);
    auto has = [&](float x1, float y1, float x2, float y2) {
        return std::any_of(black.begin(), black.end(), [&](const Op::Line& l) {
            return std::abs(l.x1 - x1) < 1e-4 && std::abs(l.y1 - y1) < 1e-4 && std::abs(l.x2 - x2) < 1e-4 && std::abs(l.y2 - y2) < 1e-4;
        });
    };
    EXPECT_TRUE(has(15.380712f, 17.434315f, 19.285955f, 17.434315f));
    EXPECT_TRUE(has(15.380712f, 17.184315f, 15.380712f, 17.684315f));
    EXPECT_TRUE(has(19.285955f, 17.184315f, 19.285955f, 17.684315f));

    viewer.chartStyle = ZeptalViewer::PolarChart;
    const OpList marked = RecordChart(viewer, SurfaceKind::Screen);
    viewer.resultInputs.markers = false;
    EXPECT_EQ(marked, RecordChart(viewer, SurfaceKind::Screen));
}

} // namespace
} // namespace kavel::test
