#include "support/chartops.h"
#include "eigentext.h"

#include "valden/campbellchart.h"
#include "valden/chartpoints.h"
#include "valden/eigendata.h"
#include "valden/valdensettings.h"
#include "valden/valdenviewer.h"

#include "framework/chart/chartframe.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavel::test {
namespace {

// Speed 0 … 100 rps over 20 cm, frequency 0 … 50 Hz over 10 cm: 0.2 cm per
// unit on both axes, physical (0, 0) at the frame's corner (4, 18).
ValdenSettings settings()
{
    ValdenSettings s;
    s.Xmin = 0, s.Xmax = 100, s.Ymin = 0, s.Ymax = 50;
    s.Xpitch = 50, s.Ypitch = 25, s.Xlength = 20, s.Ylength = 10;
    s.ReMin = -20, s.ReMax = 5, s.ImMin = 0, s.ImMax = 100;
    s.RePitch = 5, s.ImPitch = 50, s.ReLength = 10, s.ImLength = 10;
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.XYXTitle = QStringLiteral("X");
    s.DampingTitle = QStringLiteral("D");
    s.FrequencyTitle = QStringLiteral("F");
    s.XYTitle = QStringLiteral("T");
    return s;
}

// Modes of distinct frequencies (10 Hz apart) over the given speeds, each
// with a damping ratio of a few per cent.
EigenData modes(int count, std::vector<double> speeds = { 0, 50, 100 })
{
    std::vector<std::vector<std::pair<double, double>>> steps;
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        std::vector<std::pair<double, double>> step;
        for (int j = 1; j <= count; ++j)
            step.emplace_back(-2.0 * j, 2 * 3.1415926535 * (10.0 * j + double(i)));
        steps.push_back(step);
    }
    EigenData data;
    ReadEigenDataText(QStringLiteral("m"), eigenFile(QStringLiteral("comment"), speeds, steps), data);
    return data;
}

OpList chart(const ValdenSettings& s, const EigenData& data, const ShowCurveFlags& flags, SurfaceKind kind = SurfaceKind::Screen)
{
    RecordingSurface surface(kind);
    DrawValdenChart(surface, s, data, flags, ValdenViewer::XYChart);
    return surface.takeOps();
}

OpList frame(const ValdenSettings& s, int DampingShown)
{
    RecordingSurface surface;
    DrawCampbellFrame(surface, s, *ChartGeometry::compute(s.xAxis(), s.yAxis(), { 4, 18 }), DampingShown);
    return surface.takeOps();
}

// The curves: what follows the frequency title, up to the comment.
OpList curves(const OpList& ops)
{
    OpList after = from(ops, QStringLiteral("F"));
    OpList out;
    for (std::size_t k = 1; k < after.size(); ++k) {
        if (std::holds_alternative<Op::Line>(after[k]))
            out.push_back(after[k]);
    }
    return out;
}

ShowCurveFlags noneShown()
{
    ShowCurveFlags flags;
    flags.fill(0);
    return flags;
}

} // namespace

TEST(CampbellFrame, EdgesZeroLineSpeedGridAndFrequencyTicksWithLinesAcross)
{
    const OpList ops = frame(settings(), 6);
    ASSERT_GE(ops.size(), 30u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Line { 4, 18, 24, 18, kBlack, 1 }));
    EXPECT_EQ(ops[1], SurfaceOp(Op::Line { 4, 18, 24, 18, kBlack, 1 })) << "zero-frequency line";
    EXPECT_EQ(ops[2], SurfaceOp(Op::Line { 4, 18, 4, 8, kBlack, 1 }));
    EXPECT_EQ(ops[3], SurfaceOp(Op::Line { 4, 8, 24, 8, kBlack, 1 }));
    EXPECT_EQ(ops[4], SurfaceOp(Op::Line { 24, 18, 24, 8, kBlack, 1 }));
    // Speed grid lines run the full height, labels under the frame.
    EXPECT_EQ(ops[8], SurfaceOp(Op::Line { 14, 18, 14, 8, kBlack, 1 }));
    EXPECT_EQ(ops[9], SurfaceOp(Op::Point { 14, 18.2f, kGrey, 1 }));
    EXPECT_EQ(std::get<Op::Text>(ops[10]).text, QStringLiteral(" 50 "));
    // After the speed grid (0, 50, 100, then 0 again) the frequency ticks:
    // tick, label 2 cm left of the frame, then the line across.
    const std::size_t y25 = 5 + 4 * 3 + 4;
    EXPECT_EQ(ops[y25], SurfaceOp(Op::Line { 4, 13, 4.5, 13, kBlack, 1 }));
    EXPECT_EQ(ops[y25 + 1], SurfaceOp(Op::Point { 2, 12.7f, kGrey, 1 }));
    EXPECT_EQ(std::get<Op::Text>(ops[y25 + 2]).text, QStringLiteral(" 25 "));
    EXPECT_EQ(ops[y25 + 3], SurfaceOp(Op::Line { 4, 13, 24, 13, kBlack, 1 }));

    // Without damping curves: ticks only, no lines across, no damping scale.
    const OpList plain = frame(settings(), 0);
    EXPECT_EQ(plain[y25 - 1], SurfaceOp(Op::Line { 4, 13, 4.5, 13, kBlack, 1 })) << "one line fewer at the tick before";
    EXPECT_EQ(plain[y25 + 2], SurfaceOp(Op::Line { 4, 8, 4.5, 8, kBlack, 1 })) << "the next tick follows its label";
    EXPECT_FALSE(textsOf(plain).contains(QStringLiteral(" .05 ")));
    EXPECT_EQ(all<Op::Line>(plain).size(), 5u + 4u + 4u + 1u) << "edges, speed grid, frequency ticks, synchronous line";
}

TEST(CampbellFrame, DampingScaleHasItsTwoHalvesOnTheRightEdge)
{
    const OpList ops = frame(settings(), 6);
    // 23 marks, five of them labelled, then the synchronous line.
    ASSERT_GE(ops.size(), 34u);
    const OpList scale(ops.end() - 34, ops.end() - 1);
    EXPECT_EQ(scale.front(), SurfaceOp(Op::Line { 23.5f, 18, 24, 18, kBlack, 1 })) << "d = -0.02 at the range's 0";
    EXPECT_EQ(textsOf(scale), (QStringList { " 0 ", " .05 ", " .1 ", " .5 ", " 1 " }));

    std::vector<Op::Line> across;
    for (const Op::Line& line : all<Op::Line>(scale)) {
        if (line.x1 == 4.f && line.x2 == 24.f)
            across.push_back(line);
    }
    ASSERT_EQ(across.size(), 3u) << "lines across at 0, 0.1 and 1";
    EXPECT_FLOAT_EQ(across[0].y1, 18 - 10.0 / 12) << "d = 0: one twelfth up";
    EXPECT_EQ(across[1].y1, 13.f) << "d = 0.1: half way up";
    EXPECT_EQ(across[2].y1, 8.f) << "d = 1: the top of the range";

    const std::vector<Op::Point> labels = all<Op::Point>(scale);
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[2], (Op::Point { 24, 12.5f, kGrey, 1 })) << "half a centimetre above its mark";
    // 0.05 and 0.5 have longer ticks.
    std::vector<Op::Line> longTicks;
    for (const Op::Line& line : all<Op::Line>(scale)) {
        if (line.x1 == 23.f)
            longTicks.push_back(line);
    }
    ASSERT_EQ(longTicks.size(), 2u);
    EXPECT_FLOAT_EQ(longTicks[0].y1, 18 - 10.0 * 7 / 24);
    EXPECT_FLOAT_EQ(longTicks[1].y1, 18 - 10.0 * 13 / 18);
}

TEST(CampbellFrame, DampingScaleMapsMinusTwoHundredthsTenthAndOneToBottomMiddleTop)
{
    EXPECT_NEAR(DampingFraction(-0.02f), 0, 1e-8);
    EXPECT_NEAR(DampingFraction(0.1f), 0.5, 1e-8);
    EXPECT_EQ(DampingFraction(1.f), 1.0);
    EXPECT_NEAR(DampingFraction(0.55f), 0.75, 1e-8);
    EXPECT_NEAR(DampingFraction(0.04f), 0.25, 1e-8);
    // The two halves meet at 0.1 without a step.
    EXPECT_NEAR(DampingFraction(std::nextafter(0.1f, 1.f)), DampingFraction(0.1f), 1e-7);

    // Through the chart points: eigenvalues of damping ratio 1, 0 and 0.1
    // land on the scale's lines at the top, at one twelfth and half way.
    const ValdenSettings s = settings();
    const ChartGeometry g = *ChartGeometry::compute(s.xAxis(), s.yAxis(), { 4, 18 });
    EigenData data;
    ReadEigenDataText(QStringLiteral("d"), eigenFile(QStringLiteral("c"), { 50 }, { { { -1, 0 }, { 0, 1 }, { -1, std::sqrt(99.0) } } }), data);
    XYPoints p;
    ComputeXYPoints(data, g, s.Ymax, p);
    EXPECT_EQ(p.SpeedX, (std::vector<float> { 14 }));
    EXPECT_EQ(p.Damping[0], 1.f);
    EXPECT_EQ(p.DampY[0], 8.f);
    EXPECT_EQ(p.Damping[1], 0.f);
    EXPECT_FLOAT_EQ(p.DampY[1], 18 - 10.0 / 12);
    EXPECT_NEAR(p.Damping[2], 0.1, 1e-7);
    EXPECT_NEAR(p.DampY[2], 13, 1e-5);
    // 2π rad/s is 1 Hz: 0.2 cm above the zero line.
    EigenData oneHertz;
    ReadEigenDataText(QStringLiteral("f"), eigenFile(QStringLiteral("c"), { 0 }, { { { -0.1, 2 * 3.1415926535 } } }), oneHertz);
    ComputeXYPoints(oneHertz, g, s.Ymax, p);
    EXPECT_FLOAT_EQ(p.FreqY[0], 17.8f);
}

TEST(CampbellFrame, SynchronousLineLeavesByTheTopTheRightOrTheCorner)
{
    auto syncLine = [](const ValdenSettings& s) { return std::get<Op::Line>(frame(s, 6).back()); };
    ValdenSettings s = settings();
    // 100 rps against 50 Hz: the top edge at the x of 50 rps.
    EXPECT_EQ(syncLine(s), (Op::Line { 4, 18, 14, 8, kBlack, 1 }));
    // 50 rps against 100 Hz: the right edge at the y of 50 Hz.
    s.Xmax = 50;
    s.Ymax = 100;
    EXPECT_EQ(syncLine(s), (Op::Line { 4, 18, 24, 13, kBlack, 1 }));
    // Equal ranges: the top-right corner.
    s.Xmax = s.Ymax = 80;
    EXPECT_EQ(syncLine(s), (Op::Line { 4, 18, 24, 8, kBlack, 1 }));
    // The line starts at physical (0, 0) wherever the range starts: from
    // -20 rps the origin is 4 cm into the frame, and 50 rps still at x 18.
    s = settings();
    s.Xmin = -20;
    s.Xlength = 24;
    EXPECT_EQ(syncLine(s), (Op::Line { 8, 18, 18, 8, kBlack, 1 }));
}

TEST(XYChart, ScreenChartClearsThenTitlesWithRotatedSideTitlesAndComment)
{
    const OpList ops = chart(settings(), modes(2), ShowCurveFlags::atStart());
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front(), SurfaceOp(Op::Clear {}));
    const OpList titles = from(ops, QStringLiteral("T"));
    ASSERT_GE(titles.size(), 8u);
    EXPECT_EQ(titles[0], SurfaceOp(Op::Text { 9, 6, "T", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(titles[1], SurfaceOp(Op::Point { 9, 19.5f, kGrey, 1 }));
    EXPECT_EQ(titles[2], SurfaceOp(Op::Text { 9, 19.5f, "X", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(titles[3], SurfaceOp(Op::Point { 26, 14, kGrey, 1 })) << "beside the damping scale";
    EXPECT_EQ(titles[4], SurfaceOp(Op::Text { 26, 14, "D", "times new roman", 0, 90, 15, kBlack }));
    EXPECT_EQ(titles[5], SurfaceOp(Op::Point { 0.5f, 14, kGrey, 1 }));
    EXPECT_EQ(titles[6], SurfaceOp(Op::Text { 0.5f, 14, "F", "times new roman", 0, 90, 15, kBlack }));
    EXPECT_EQ(ops[ops.size() - 2], SurfaceOp(Op::Point { 5, 0, kGrey, 1 }));
    EXPECT_EQ(ops.back(), SurfaceOp(Op::Text { 5, 0, "comment", "Small Fonts", 7, 0, 0, kBlack }));
}

TEST(XYChart, EachShownModeTakesTheNextColourForBothItsCurves)
{
    const EigenData data = modes(3);
    ShowCurveFlags flags = noneShown();
    flags[0] = flags[5] = 1; // mode 1
    flags[2] = flags[7] = 1; // mode 3; mode 2 hidden
    const OpList lines = curves(chart(settings(), data, flags));
    ASSERT_EQ(lines.size(), 8u) << "two segments of two curves for two modes";
    EXPECT_EQ(linesIn(lines, 0).size(), 4u) << "mode 1 black";
    EXPECT_EQ(linesIn(lines, 1).size(), 4u) << "mode 3 navy, as the second mode drawn";
    // Mode 3's frequency curve: 30 Hz at speed 0 (x 4), 31 Hz at 50 rps.
    EXPECT_EQ(linesIn(lines, 1)[0].x1, 4.f);
    EXPECT_FLOAT_EQ(linesIn(lines, 1)[0].y1, 18 - 0.2 * 30);
    EXPECT_FLOAT_EQ(linesIn(lines, 1)[0].y2, 18 - 0.2 * 31);
    EXPECT_EQ(linesIn(lines, 1)[0].x2, 14.f);

    // A mode with only its damping curve shown still takes its colour.
    flags = noneShown();
    flags[0] = 1;
    flags[7] = 1;
    const OpList some = curves(chart(settings(), data, flags));
    EXPECT_EQ(linesIn(some, 0).size(), 2u);
    ASSERT_EQ(linesIn(some, 1).size(), 2u);
    EXPECT_GT(linesIn(some, 1)[0].y1, 13.f) << "mode 3's damping ratio lies on the lower half of the scale";
}

TEST(XYChart, ClearedDampingBoxesRemoveScaleLinesAcrossTitleAndDampingCurves)
{
    ShowCurveFlags flags = ShowCurveFlags::atStart();
    for (int k = 5; k <= 10; ++k)
        flags[std::size_t(k)] = 0;
    const OpList ops = chart(settings(), modes(2), flags);
    const QStringList texts = textsOf(ops);
    EXPECT_FALSE(texts.contains(QStringLiteral("D")));
    EXPECT_FALSE(texts.contains(QStringLiteral(" .05 ")));
    for (const Op::Line& line : all<Op::Line>(ops))
        EXPECT_FALSE(line.x1 == 4.f && line.x2 == 24.f && line.y1 == 13.f) << "no line across at 25 Hz";
    EXPECT_EQ(curves(ops).size(), 4u) << "the frequency curves of both modes only";
}

TEST(XYChart, ModesBeyondTheFlagTableAreDrawnThroughAllOnly)
{
    const EigenData data = modes(14, { 0, 50 });
    // Every row box set, "All" and the Gauss boxes cleared: modes 1 to 5 in
    // full, modes 6 to 10 follow the damping boxes with their frequency
    // curve, modes 11 and 12 the cleared "All" and Gauss flags, 13 and 14
    // have no flag of their own.
    ShowCurveFlags flags = noneShown();
    for (int k = 0; k <= 9; ++k)
        flags[std::size_t(k)] = 1;
    OpList ops = chart(settings(), data, flags);
    EXPECT_EQ(curves(ops).size(), 5u * 2u + 5u);
    EXPECT_EQ(textsOf(ops).back(), QStringLiteral("comment")) << "the drawing goes on to the comment";

    flags[kAllXY] = 1;
    ops = chart(settings(), data, flags);
    const OpList lines = curves(ops);
    EXPECT_EQ(lines.size(), 14u * 2u);
    // The fourteenth mode drawn takes colour 14 (yellow), the thirteenth 13.
    ASSERT_EQ(linesIn(lines, 14).size(), 2u);
    EXPECT_FLOAT_EQ(linesIn(lines, 14)[0].y1, 18 - 0.2 * 140);
    EXPECT_EQ(linesIn(lines, 13).size(), 2u);
    EXPECT_EQ(textsOf(ops).back(), QStringLiteral("comment"));
}

TEST(XYChart, AnEigenvalueOfModulusZeroLosesOnlyItsDampingSegments)
{
    EigenData data = modes(2);
    data.sigma[data.cell(2, 1)] = 0;
    data.omega[data.cell(2, 1)] = 0;
    const OpList lines = curves(chart(settings(), data, ShowCurveFlags::atStart()));
    const std::vector<Op::Line> mode1 = linesIn(lines, 0);
    ASSERT_EQ(mode1.size(), 2u) << "both frequency segments, neither damping segment";
    EXPECT_EQ(mode1[0].y2, 18.f) << "the frequency drops to 0 Hz at step 2";
    EXPECT_EQ(mode1[1].y1, 18.f);
    EXPECT_EQ(linesIn(lines, 1).size(), 4u) << "mode 2 whole";
}

TEST(XYChart, AZeroRangeLeavesOnlyTheComment)
{
    ValdenSettings s = settings();
    s.Xmax = s.Xmin;
    const OpList ops = chart(s, modes(2), ShowCurveFlags::atStart());
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Clear {}));
    EXPECT_EQ(ops[1], SurfaceOp(Op::Point { 5, 0, kGrey, 1 }));
    EXPECT_EQ(std::get<Op::Text>(ops[2]).text, QStringLiteral("comment"));

    const OpList page = chart(s, modes(2), ShowCurveFlags::atStart(), SurfaceKind::Printer);
    ASSERT_EQ(page.size(), 3u);
    EXPECT_EQ(page.back(), SurfaceOp(Op::EndDocument {}));
}

TEST(XYChart, PageHasFrameAndZeroLineInFrameWidthCurvesInCurveWidthAndEnds)
{
    const OpList ops = chart(settings(), modes(2), ShowCurveFlags::atStart(), SurfaceKind::Printer);
    ASSERT_GE(ops.size(), 6u);
    EXPECT_FALSE(std::holds_alternative<Op::Clear>(ops.front()));
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(std::get<Op::Line>(ops[std::size_t(k)]).width, 3) << k;
    EXPECT_EQ(std::get<Op::Line>(ops[5]).width, 1);
    for (const SurfaceOp& op : curves(ops))
        EXPECT_EQ(std::get<Op::Line>(op).width, 2);
    // Side titles horizontal in the printer's own font; nothing rotated.
    for (const Op::Text& t : all<Op::Text>(ops))
        EXPECT_EQ(t.angle, 0) << t.text.toStdString();
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
    const Op::Text comment = std::get<Op::Text>(ops[ops.size() - 2]);
    EXPECT_EQ(comment.text, QStringLiteral("comment"));
    EXPECT_EQ(comment.x, 5.f);
    EXPECT_EQ(comment.y, 0.f);
    EXPECT_EQ(std::get<Op::Point>(ops[ops.size() - 3]).width, 1) << "the curve width is set back";
}

} // namespace kavel::test
