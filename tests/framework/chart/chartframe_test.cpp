#include "framework/chart/chartframe.h"
#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"
#include "support/qtprint.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

struct Tick {
    Op::Line tick;
    Op::Point at;
    QString label;
};

// Splits the recorded frame into its lines and its ticks (line, point, label).
struct Frame {
    std::vector<Op::Line> lines;
    std::vector<Tick> ticks;
};

Frame parse(const OpList& ops)
{
    Frame f;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (i + 2 < ops.size() && std::holds_alternative<Op::Point>(ops[i + 1])) {
            f.ticks.push_back({ std::get<Op::Line>(ops[i]), std::get<Op::Point>(ops[i + 1]), std::get<Op::Text>(ops[i + 2]).text });
            i += 2;
        } else {
            f.lines.push_back(std::get<Op::Line>(ops[i]));
        }
    }
    return f;
}

FrameInputs savlenFrame(AxisSettings x, AxisSettings y)
{
    return { x, y, *ChartGeometry::compute(x, y, { 5, 18 }) };
}

} // namespace

TEST(ChartFrame, DerivedValuesPlaceZeroAndTheCentre)
{
    const auto g = ChartGeometry::compute({ -100, 500, 100, 24 }, { -150, 150, 50, 12 }, { 5, 18 });
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->ScaleX, 0.04);
    EXPECT_DOUBLE_EQ(g->OffsetX, 9);
    EXPECT_DOUBLE_EQ(g->OffsetY, 12);
    EXPECT_DOUBLE_EQ(g->CentreX, 17);
    EXPECT_DOUBLE_EQ(g->CentreY, 12);
    EXPECT_DOUBLE_EQ(g->chartY(150), 6);
    EXPECT_FALSE(ChartGeometry::compute({ 5, 5, 1, 10 }, { 0, 1, 1, 1 }, { 5, 18 })) << "a zero range has no scale";
    EXPECT_FALSE(ChartGeometry::compute({ 0, 1, 1, 10 }, { 2, 2, 1, 1 }, { 5, 18 }));
}

TEST(ChartFrame, ScreenFrameDrawsEdgesZeroLineAndTicksFromZeroOutward)
{
    RecordingSurface s;
    DrawChartFrame(s, savlenFrame({ -100, 500, 100, 24 }, { -150, 150, 150, 12 }));
    const Frame f = parse(s.ops());
    ASSERT_EQ(f.lines.size(), 5u);
    EXPECT_EQ(f.lines[0], (Op::Line { 5, 18, 29, 18, kBlack, 1 }));
    EXPECT_EQ(f.lines[1], (Op::Line { 5, 12, 29, 12, kBlack, 1 })) << "zero line in the middle";
    EXPECT_EQ(f.lines[2], (Op::Line { 5, 18, 5, 6, kBlack, 1 }));
    EXPECT_EQ(f.lines[3], (Op::Line { 5, 6, 29, 6, kBlack, 1 }));
    EXPECT_EQ(f.lines[4], (Op::Line { 29, 18, 29, 6, kBlack, 1 }));

    QStringList labels;
    for (const Tick& t : f.ticks)
        labels << t.label;
    EXPECT_EQ(labels, (QStringList { " 0 ", " 100 ", " 200 ", " 300 ", " 400 ", " 500 ", " 0 ", "-100 ", " 0 ", " 150 ", " 0 ", "-150 " }));
    // The label of 0 starts at 5 + 24 × 100 / 600 = 9, 0.2 below the frame.
    EXPECT_EQ(f.ticks[0].tick, (Op::Line { 9, 18, 9, 17.5, kBlack, 1 }));
    EXPECT_EQ(f.ticks[0].at, (Op::Point { 9, 18.2f, kGrey, 1 }));
    EXPECT_EQ(f.ticks[7].tick, (Op::Line { 5, 18, 5, 17.5, kBlack, 1 }));
    // Y ticks point right into the frame; labels 1.5 left and 0.3 up.
    EXPECT_EQ(f.ticks[9].tick, (Op::Line { 5, 6, 5.5, 6, kBlack, 1 }));
    EXPECT_EQ(f.ticks[9].at, (Op::Point { 3.5, 5.7f, kGrey, 1 }));
}

TEST(ChartFrame, RangeWithoutZeroStillTicksFromZero)
{
    RecordingSurface s;
    DrawChartFrame(s, savlenFrame({ 100, 500, 100, 20 }, { 0, 10, 20, 5 }));
    const Frame f = parse(s.ops());
    ASSERT_EQ(f.ticks.size(), 6u + 2u);
    // At 0 the tick lies left of the frame, which starts at x 5.
    EXPECT_FLOAT_EQ(f.ticks[0].tick.x1, 0);
    EXPECT_EQ(f.ticks[5].label, " 500 ");
    EXPECT_EQ(f.ticks[6].label, " 0 ") << "a pitch beyond the range still marks 0";
    EXPECT_EQ(f.ticks[7].label, " 0 ");
}

TEST(ChartFrame, PitchNotDividingTheRangeEndsAtTheLastMultiple)
{
    const std::vector<double> v = tickValues(500, 150);
    EXPECT_EQ(v, (std::vector<double> { 0, 150, 300, 450 }));
    EXPECT_EQ(tickValues(0.3, 0.1).size(), 4u) << "3 × 0.1 reaches 0.3";
    EXPECT_EQ(tickValues(-100, -25).back(), -100);
    EXPECT_TRUE(tickValues(-100, 25).empty());
}

TEST(ChartFrame, ZeroOrTinyPitchDrawsNoTicksInsteadOfStalling)
{
    EXPECT_TRUE(tickValues(500, 0).empty());
    EXPECT_TRUE(tickValues(500, 1e-12).empty());
    RecordingSurface s;
    DrawChartFrame(s, savlenFrame({ 0, 500, 0, 20 }, { -1, 1, 0.5, 5 }));
    const Frame f = parse(s.ops());
    EXPECT_EQ(f.lines.size(), 5u);
    EXPECT_EQ(f.ticks.size(), 6u) << "only the y axis has ticks";
}

TEST(ChartFrame, PrinterFrameDrawsEdgesInFrameWidthThenTheRestInOne)
{
    RecordingSurface s(SurfaceKind::Printer);
    DrawChartFrame(s, savlenFrame({ 0, 100, 100, 10 }, { 0, 10, 10, 5 }), 2.6);
    const Frame f = parse(s.ops());
    ASSERT_EQ(f.lines.size(), 5u);
    EXPECT_EQ(f.lines[0], (Op::Line { 5, 18, 15, 18, kBlack, 3 }));
    EXPECT_EQ(f.lines[1], (Op::Line { 5, 18, 5, 13, kBlack, 3 }));
    EXPECT_EQ(f.lines[3], (Op::Line { 15, 18, 15, 13, kBlack, 3 }));
    EXPECT_EQ(f.lines[4], (Op::Line { 5, 18, 15, 18, kBlack, 1 })) << "the zero line after the edges";
    EXPECT_EQ(f.ticks[0].tick.width, 1);
}

TEST(ChartFrame, YLabelOffsetVariesPerViewer)
{
    RecordingSurface s;
    FrameInputs frame = savlenFrame({ 0, 10, 10, 10 }, { 0, 10, 10, 5 });
    frame.yLabelOffset = 2;
    DrawChartFrame(s, frame);
    const Frame f = parse(s.ops());
    EXPECT_FLOAT_EQ(f.ticks[3].at.x, 3);
}

} // namespace kavel::test
