#include "holpixtesting.h"

#include "holpix/holpixsettings.h"
#include "holpix/mapaxes.h"
#include "holpix/mapchart.h"
#include "holpix/maptochart.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

HolpixSettings linLin()
{
    HolpixSettings s;
    s.X = { 0, 500, 100, 20 };
    s.Y = { 0, 100, 25, 10 };
    s.FrameWidth = 3;
    s.XTitle = QStringLiteral("XT");
    s.YTitle = QStringLiteral("YT");
    s.Title = QStringLiteral("T");
    return s;
}

AxisOptions axes(bool xLog, bool yLog)
{
    AxisOptions o {};
    o[xLog ? kXLog : kXLin] = 1;
    o[yLog ? kYLog : kYLin] = 1;
    return o;
}

OpList draw(SurfaceKind kind, HolpixSettings& s, const CriticalSpeedMap& map, const MapCurveFlags& f, const AxisOptions& o)
{
    RecordingSurface surface(kind);
    DrawCriticalSpeedMap(surface, s, map, f, o);
    return surface.takeOps();
}

// The operations from the first printed `text` on.
OpList from(const OpList& ops, const QString& text)
{
    const auto it = std::find_if(ops.begin(), ops.end(), [&](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->text == text;
    });
    return OpList(it, ops.end());
}

// The curve lines: everything drawn in colour after the Y title.
std::vector<Op::Line> curveLines(const OpList& ops)
{
    return all<Op::Line>(from(ops, QStringLiteral("YT")));
}

std::vector<Rgb> curveColours(const OpList& ops, int segmentsPerCurve)
{
    std::vector<Rgb> colours;
    const std::vector<Op::Line> lines = curveLines(ops);
    for (std::size_t n = 0; n < lines.size(); n += std::size_t(segmentsPerCurve))
        colours.push_back(lines[n].rgb);
    return colours;
}

TEST(HolpixAxes, LinearLinearTicksStartAtTheMinimumWithBothZeroLines)
{
    HolpixSettings s = linLin();
    const OpList ops = draw(SurfaceKind::Screen, s, CriticalSpeedMap {}, MapCurveFlags::atStart(), axes(false, false));
    ASSERT_GE(ops.size(), 7u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Clear {}));
    // Frame: bottom, left, top, right; then the zero lines, horizontal first.
    EXPECT_EQ(ops[1], SurfaceOp(Op::Line { 4, 18, 24, 18, kBlack, 1 }));
    EXPECT_EQ(ops[2], SurfaceOp(Op::Line { 4, 18, 4, 8, kBlack, 1 }));
    EXPECT_EQ(ops[3], SurfaceOp(Op::Line { 4, 8, 24, 8, kBlack, 1 }));
    EXPECT_EQ(ops[4], SurfaceOp(Op::Line { 24, 18, 24, 8, kBlack, 1 }));
    EXPECT_EQ(ops[5], SurfaceOp(Op::Line { 4, 18, 24, 18, kBlack, 1 }));
    EXPECT_EQ(ops[6], SurfaceOp(Op::Line { 4, 18, 4, 8, kBlack, 1 }));

    EXPECT_EQ(textsOf(ops).mid(0, 11), (QStringList { " 0 ", " 100 ", " 200 ", " 300 ", " 400 ", " 500 ", " 0 ", " 25 ", " 50 ", " 75 ", " 100 " }));
    const std::vector<Op::Point> points = all<Op::Point>(ops);
    for (int n = 0; n <= 5; ++n) {
        EXPECT_EQ(ops[std::size_t(7 + 3 * n)], SurfaceOp(Op::Line { float(4 + 4 * n), 18, float(4 + 4 * n), 17.5, kBlack, 1 })) << n;
        EXPECT_EQ(points[std::size_t(n)], (Op::Point { float(4 + 4 * n), 18.2f, kGrey, 1 })) << n;
    }
    for (int n = 0; n <= 4; ++n) {
        const float cy = float(18 - double(float(n) * 2.5f));
        EXPECT_EQ(ops[std::size_t(25 + 3 * n)], SurfaceOp(Op::Line { 4, cy, 4.5, cy, kBlack, 1 })) << n;
        EXPECT_EQ(points[std::size_t(6 + n)], (Op::Point { 2, float(cy - 0.3), kGrey, 1 })) << n;
    }
}

TEST(HolpixAxes, LinearTicksCountFromAMinimumAwayFromZero)
{
    HolpixSettings s = linLin();
    s.X = { 100, 450, 100, 14 };
    s.Y = { 10, 40, 10, 6 };
    const OpList ops = draw(SurfaceKind::Screen, s, CriticalSpeedMap {}, MapCurveFlags::atStart(), axes(false, false));
    // The last tick is the last step not beyond the maximum.
    EXPECT_EQ(textsOf(ops).mid(0, 8), (QStringList { " 100 ", " 200 ", " 300 ", " 400 ", " 10 ", " 20 ", " 30 ", " 40 " }));
    const std::vector<Op::Point> points = all<Op::Point>(ops);
    EXPECT_EQ(points[0].x, 4);
    EXPECT_EQ(points[3].x, 16);
    // Zero lines at physical 0, outside the frame: y 20, x 0.
    EXPECT_EQ(ops[5], SurfaceOp(Op::Line { 4, 20, 18, 20, kBlack, 1 }));
    EXPECT_EQ(ops[6], SurfaceOp(Op::Line { 0, 18, 0, 12, kBlack, 1 }));
}

TEST(HolpixAxes, EachRoutineDrawsOnlyTheZeroLinesOfItsLinearAxes)
{
    HolpixSettings base = linLin();
    base.X = { 10, 10000, 100, 15 };
    base.Y = { 1, 1000, 100, 15 };
    const CriticalSpeedMap none;
    auto zeroLines = [&](bool xLog, bool yLog) {
        HolpixSettings s = base;
        const OpList ops = draw(SurfaceKind::Screen, s, none, MapCurveFlags::atStart(), axes(xLog, yLog));
        return OpList(ops.begin() + 5, ops.begin() + 7);
    };
    const ChartGeometry g = *ChartGeometry::compute(base.X, base.Y, { 4, 18 });
    const SurfaceOp horizontal = Op::Line { 4, float(g.OffsetY), 19, float(g.OffsetY), kBlack, 1 };
    const SurfaceOp vertical = Op::Line { float(g.OffsetX), 18, float(g.OffsetX), 3, kBlack, 1 };
    EXPECT_EQ(zeroLines(false, false), (OpList { horizontal, vertical }));
    EXPECT_EQ(zeroLines(true, false)[0], horizontal);
    EXPECT_EQ(zeroLines(false, true)[0], vertical);
    // Log-log: the first decade's grid line follows the frame at once.
    EXPECT_EQ(zeroLines(true, true)[0], SurfaceOp(Op::Line { 4, 18, 4, 3, kBlack, 1 }));
}

TEST(HolpixAxes, ALogAxisWithAMinimumOfZeroStartsAtATenthOfAPercent)
{
    HolpixSettings s = linLin();
    s.X = { 0, 5000, 100, 15 };
    s.Y = { -1, 1000, 100, 15 };
    const OpList ops = draw(SurfaceKind::Screen, s, CriticalSpeedMap {}, MapCurveFlags::atStart(), axes(true, true));
    EXPECT_EQ(s.X.min, 5);
    EXPECT_EQ(s.Y.min, 1);
    EXPECT_EQ(textsOf(ops).mid(0, 8), (QStringList { " 5 ", " 50 ", " 500 ", " 5000 ", " 1 ", " 10 ", " 100 ", " 1000 " }));
}

TEST(HolpixAxes, AZeroPitchSkipsThatAxisTicksAndTheChartSaysSo)
{
    HolpixSettings s = linLin();
    s.X.pitch = 0;
    const CriticalSpeedMap map = readMap(mapText(3, 1));
    const OpList ops = draw(SurfaceKind::Screen, s, map, MapCurveFlags::atStart(), axes(false, false));
    const QStringList texts = textsOf(ops);
    EXPECT_EQ(texts.mid(0, 5), (QStringList { " 0 ", " 25 ", " 50 ", " 75 ", " 100 " }));
    EXPECT_TRUE(texts.contains(QStringLiteral("X axis: pitch 0, no ticks drawn"))) << texts.join('|').toStdString();
    EXPECT_EQ(curveLines(ops).size(), 2u);

    // A pitch so small that the ticks would stall the drawing.
    s = linLin();
    s.Y.pitch = 1e-9;
    EXPECT_TRUE(textsOf(draw(SurfaceKind::Printer, s, map, MapCurveFlags::atStart(), axes(false, false)))
                    .contains(QStringLiteral("Y axis: pitch too small, no ticks drawn")));

    // A pitch pointing away from the maximum draws no tick, as it always has.
    s = linLin();
    s.X.pitch = -100;
    const QStringList quiet = textsOf(draw(SurfaceKind::Screen, s, map, MapCurveFlags::atStart(), axes(false, false)));
    EXPECT_EQ(quiet.first(), QStringLiteral(" 0 "));
    EXPECT_FALSE(quiet.join('|').contains(QStringLiteral("no ticks")));
}

TEST(HolpixAxes, ALogAxisWithoutAPositiveMaximumSkipsItsTicksAndCurvesAndSaysSo)
{
    HolpixSettings s = linLin();
    s.Y = { 0, -100, 25, 10 };
    const CriticalSpeedMap map = readMap(mapText(3, 1));
    const OpList ops = draw(SurfaceKind::Screen, s, map, MapCurveFlags::atStart(), axes(false, true));
    const QStringList texts = textsOf(ops);
    EXPECT_EQ(texts.mid(0, 6), (QStringList { " 0 ", " 100 ", " 200 ", " 300 ", " 400 ", " 500 " }));
    EXPECT_TRUE(texts.contains(QStringLiteral("Y axis: LOG needs a maximum above 0, no ticks or curves drawn")));
    EXPECT_TRUE(curveLines(ops).empty());
    EXPECT_EQ(s.Y.min, 0);
    EXPECT_EQ(texts.last(), QStringLiteral("Test comment"));
}

TEST(HolpixChart, TitlesAroundTheFrameAndTheCommentLast)
{
    HolpixSettings s = linLin();
    const CriticalSpeedMap map = readMap(mapText(2, 1));
    const OpList screen = draw(SurfaceKind::Screen, s, map, MapCurveFlags::atStart(), axes(false, false));
    const OpList titles = from(screen, QStringLiteral("T"));
    ASSERT_GE(titles.size(), 6u);
    const auto before = std::find(screen.begin(), screen.end(), titles.front()) - 1;
    // Frame centre (14, 13).
    EXPECT_EQ(*before, SurfaceOp(Op::Point { 10, 6, kGrey, 1 }));
    EXPECT_EQ(titles[0], SurfaceOp(Op::Text { 10, 6, "T", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(titles[1], SurfaceOp(Op::Point { 10, 19.5, kGrey, 1 }));
    EXPECT_EQ(titles[2], SurfaceOp(Op::Text { 10, 19.5, "XT", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(titles[3], SurfaceOp(Op::Point { 0.5, 17, kGrey, 1 }));
    EXPECT_EQ(titles[4], SurfaceOp(Op::Text { 0.5, 17, "YT", "times new roman", 0, 90, 15, kBlack }));
    EXPECT_EQ(screen[screen.size() - 2], SurfaceOp(Op::Point { 5, 0, kGrey, 1 }));
    EXPECT_EQ(screen.back(), SurfaceOp(Op::Text { 5, 0, "Test comment", "Small Fonts", 7, 0, 0, kBlack }));

    const OpList page = draw(SurfaceKind::Printer, s, map, MapCurveFlags::atStart(), axes(false, false));
    EXPECT_FALSE(std::holds_alternative<Op::Clear>(page.front()));
    EXPECT_EQ(from(page, QStringLiteral("YT"))[0], SurfaceOp(Op::Text { 0.5, 17, "YT", "Century", 0, 90, 15, kBlack }));
    ASSERT_GE(page.size(), 3u);
    EXPECT_EQ(page[page.size() - 3], SurfaceOp(Op::Point { 4, 0, kGrey, 1 }));
    EXPECT_EQ(page[page.size() - 2], SurfaceOp(Op::Text { 4, 0, "Test comment", "Small Fonts", 7, 0, 0, kBlack }));
    EXPECT_EQ(page.back(), SurfaceOp(Op::EndDocument {}));
}

TEST(HolpixChart, AZeroRangeStopsTheChartButTheCommentAndThePageEndFollow)
{
    HolpixSettings s = linLin();
    s.X.max = s.X.min;
    const CriticalSpeedMap map = readMap(mapText(2, 1));
    const OpList screen = draw(SurfaceKind::Screen, s, map, MapCurveFlags::atStart(), axes(true, true));
    EXPECT_EQ(screen.size(), 3u);
    EXPECT_EQ(screen.back(), SurfaceOp(Op::Text { 5, 0, "Test comment", "Small Fonts", 7, 0, 0, kBlack }));
    EXPECT_EQ(s.X.min, 0);
    const OpList page = draw(SurfaceKind::Printer, s, map, MapCurveFlags::atStart(), axes(false, false));
    EXPECT_EQ(page.size(), 3u);
    EXPECT_EQ(page.back(), SurfaceOp(Op::EndDocument {}));
}

TEST(HolpixChart, ColoursContinueFromTheCriticalToTheStandstillCurves)
{
    HolpixSettings s = linLin();
    const CriticalSpeedMap map = readMap(mapText(3, 6));
    // Five critical speed modes and two standstill modes.
    const OpList ops = draw(SurfaceKind::Screen, s, map, flagsOf<MapCurveFlags>({ 0, 1, 2, 4, 5, 7, 12 }), axes(false, false));
    std::vector<Rgb> expected;
    for (int c : { 0, 1, 2, 3, 4, 5, 6 })
        expected.push_back(Palette::colour(c));
    EXPECT_EQ(curveColours(ops, 2), expected);
    // Mode 4 is skipped without advancing: the fourth curve is mode 5.
    const std::vector<Op::Line> lines = curveLines(ops);
    const float mode5 = float(18 - 501 * 0.1);
    EXPECT_EQ(lines[6].y1, mode5);
    // The standstill curves of modes 1 and 6.
    EXPECT_EQ(lines[10].y1, float(18 - 111 * 0.1));
    EXPECT_EQ(lines[12].y1, float(18 - 611 * 0.1));

    // Twelve curves: light grey is skipped, 8 follows 6.
    const OpList allCurves = draw(SurfaceKind::Screen, s, map, flagsOf<MapCurveFlags>({ kAllCritical, kAllStandstill }), axes(false, false));
    expected.clear();
    for (int c : { 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12 })
        expected.push_back(Palette::colour(c));
    EXPECT_EQ(curveColours(allCurves, 2), expected);
}

TEST(HolpixChart, ModesBeyondSixAreDrawnOnlyThroughTheirColumnsAllBox)
{
    HolpixSettings s = linLin();
    const CriticalSpeedMap map = readMap(mapText(2, 16));
    // Every row box of both columns set, neither "All": six curves of each kind.
    MapCurveFlags rows {};
    for (int i : { 0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12 })
        rows[std::size_t(i)] = 1;
    const std::vector<Op::Line> some = curveLines(draw(SurfaceKind::Screen, s, map, rows, axes(false, false)));
    ASSERT_EQ(some.size(), 12u);
    EXPECT_EQ(some[5].y1, float(18 - 601 * 0.1));
    EXPECT_EQ(some[6].y1, float(18 - 111 * 0.1));

    // "All" of one column reaches all sixteen modes of that column only.
    EXPECT_EQ(curveLines(draw(SurfaceKind::Screen, s, map, flagsOf<MapCurveFlags>({ kAllCritical }), axes(false, false))).size(), 16u);
    const std::vector<Op::Line> standstill = curveLines(draw(SurfaceKind::Screen, s, map, flagsOf<MapCurveFlags>({ kAllStandstill }), axes(false, false)));
    ASSERT_EQ(standstill.size(), 16u);
    EXPECT_EQ(standstill[15].y1, float(18 - 1611 * 0.1));
}

TEST(HolpixChart, PrinterLineWidthsFollowTheAxisRoutine)
{
    const CriticalSpeedMap map = readMap(mapText(2, 1));
    auto widths = [&](bool xLog, bool yLog) {
        HolpixSettings s = linLin();
        s.X = { 10, 1000, 100, 10 };
        s.Y = { 10, 1000, 100, 10 };
        s.FrameWidth = 2.6;
        const OpList ops = draw(SurfaceKind::Printer, s, map, MapCurveFlags::atStart(), axes(xLog, yLog));
        std::vector<int> frame, after, curves;
        const std::vector<Op::Line> lines = all<Op::Line>(ops);
        for (std::size_t n = 0; n < 4; ++n)
            frame.push_back(lines[n].width);
        for (std::size_t n = 4; n < lines.size() - 1; ++n)
            after.push_back(lines[n].width);
        return std::tuple { frame, std::set<int>(after.begin(), after.end()), lines.back().width,
            std::get<Op::Point>(ops[ops.size() - 3]).width };
    };
    for (const auto& [xLog, yLog] : { std::pair { false, false }, { true, false }, { false, true } }) {
        const auto [frame, after, curve, comment] = widths(xLog, yLog);
        EXPECT_EQ(frame, (std::vector<int> { 3, 3, 3, 3 })) << xLog << yLog;
        EXPECT_EQ(after, (std::set<int> { 1 })) << xLog << yLog;
        EXPECT_EQ(curve, 1) << xLog << yLog;
        EXPECT_EQ(comment, 1);
    }
    // Log-log keeps FrameWidth up to the end of the curves.
    const auto [frame, after, curve, comment] = widths(true, true);
    EXPECT_EQ(frame, (std::vector<int> { 3, 3, 3, 3 }));
    EXPECT_EQ(after, (std::set<int> { 3 }));
    EXPECT_EQ(curve, 3);
    EXPECT_EQ(comment, 1);

    // The screen draws everything in width 1.
    HolpixSettings s = linLin();
    for (const Op::Line& l : all<Op::Line>(draw(SurfaceKind::Screen, s, map, MapCurveFlags::atStart(), axes(true, true))))
        EXPECT_EQ(l.width, 1);
}

// Stiffness 10, 100, 1000 on x from 10 to 1000 over 10 cm; frequencies
// 101, 102, 103 (mode 1, kind 0) … 123 on y from 50 to 150 over 8 cm.
ChartPoints mapped(CriticalSpeedMap& map, bool xLog, bool yLog)
{
    HolpixSettings s;
    s.X = { 10, 1000, 100, 10 };
    s.Y = { 50, 150, 50, 8 };
    RecordingSurface surface;
    const ChartGeometry g = *ChartGeometry::compute(s.X, s.Y, { 4, 18 });
    const MapScales scales = DrawMapAxes(surface, s, g, xLog ? AxisScale::Log : AxisScale::Linear, yLog ? AxisScale::Log : AxisScale::Linear);
    return MapToChart(map, s, scales);
}

TEST(MapToChart, EachAxisIsMappedByItsOwnScale)
{
    CriticalSpeedMap map = readMap(mapText(3, 1));
    const double sx = 10.0 / 990, sy = 8.0 / 100, fy = 8 / std::log(3.0);
    const std::vector<float> linearX { 0, 4, float(4 + 90 * sx), float(4 + 990 * sx) };
    const std::vector<float> logX { 0, 4, 9, 14 };
    const float linearY = float(18 - 73 * sy), logY = float(18 - fy * std::log(123.0 / 50));

    ChartPoints p = mapped(map, false, false);
    EXPECT_EQ(p.chartX, linearX);
    EXPECT_EQ(p.chartY(3, 1, 2), linearY);
    EXPECT_EQ(p.chartY(1, 1, 0), float(18 - 51 * sy));
    p = mapped(map, true, false);
    EXPECT_EQ(p.chartX, logX);
    EXPECT_EQ(p.chartY(3, 1, 2), linearY);
    p = mapped(map, false, true);
    EXPECT_EQ(p.chartX, linearX);
    EXPECT_EQ(p.chartY(3, 1, 2), logY);
    p = mapped(map, true, true);
    EXPECT_EQ(p.chartX, logX);
    EXPECT_EQ(p.chartY(3, 1, 2), logY);
}

TEST(MapToChart, ValuesBelowALogMinimumArePinnedToTheAxisAndNothingElseIsClipped)
{
    CriticalSpeedMap map = readMap(mapText(3, 1));
    map.stiffness[1] = 5;
    map.frequency(1, 1, 0) = 20;
    map.frequency(2, 1, 0) = -3;
    map.frequency(3, 1, 0) = 1500;
    const ChartPoints log = mapped(map, true, true);
    EXPECT_EQ(log.chartX[1], 4);
    EXPECT_EQ(log.chartY(1, 1, 0), 18);
    EXPECT_EQ(log.chartY(2, 1, 0), 18);
    EXPECT_LT(log.chartY(3, 1, 0), 10);
    const ChartPoints lin = mapped(map, false, false);
    EXPECT_LT(lin.chartX[1], 4);
    EXPECT_GT(lin.chartY(1, 1, 0), 18);
}

} // namespace
} // namespace kavel::test
