#include "holpixtesting.h"

#include "framework/chart/logaxis.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

OpList drawX(double min, double max, double length)
{
    RecordingSurface s;
    DrawLogXAxis(s, *LogAxis::compute(min, max, length), 4, 18, 10);
    return s.takeOps();
}

// The full-height grid lines, one a decade.
std::vector<Op::Line> gridLines(const OpList& ops)
{
    std::vector<Op::Line> out;
    for (const Op::Line& l : all<Op::Line>(ops)) {
        if (l.y2 == 8)
            out.push_back(l);
    }
    return out;
}

TEST(LogAxis, ThreeDecadesOverFifteenCentimetresWithMinorTicksInTheFirstThree)
{
    const LogAxis axis = *LogAxis::compute(10, 10000, 15);
    EXPECT_NEAR(axis.factor, 2.1715, 1e-4);
    const OpList ops = drawX(10, 10000, 15);
    EXPECT_EQ(textsOf(ops), (QStringList { " 10 ", " 100 ", " 1000 ", " 10000 " }));
    const std::vector<Op::Line> grid = gridLines(ops);
    ASSERT_EQ(grid.size(), 4u);
    const std::vector<Op::Point> points = all<Op::Point>(ops);
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_NEAR(grid[n].x1, 4 + 5.0 * n, 1e-5) << n;
        EXPECT_EQ(grid[n], (Op::Line { grid[n].x1, 18, grid[n].x1, 8, kBlack, 1 })) << n;
        EXPECT_EQ(points[n], (Op::Point { grid[n].x1, 18.2f, kGrey, 1 })) << n;
    }
    // Each decade: grid line, label point, label, then its minor ticks 0.5
    // long at 2 … 9 times its value.
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    ASSERT_EQ(lines.size(), 4u + 3 * 8);
    for (int d = 0; d < 3; ++d) {
        for (int m = 2; m <= 9; ++m) {
            const float x = float(4 + d * axis.factor * std::log(10.0) + axis.factor * std::log(double(m)));
            EXPECT_EQ(lines[std::size_t(9 * d + m - 1)], (Op::Line { x, 18, x, 17.5, kBlack, 1 })) << d << m;
        }
    }
}

TEST(LogAxis, ALastDecadeUpToTwoPointSevenPercentBeyondTheMaximumIsStillLabelled)
{
    const OpList ops = drawX(10, 9800, 15);
    EXPECT_EQ(textsOf(ops), (QStringList { " 10 ", " 100 ", " 1000 ", " 10000 " }));
    const std::vector<Op::Line> grid = gridLines(ops);
    ASSERT_EQ(grid.size(), 4u);
    // Just right of the frame's right edge at 19, with no minor ticks.
    EXPECT_GT(grid[3].x1, 19);
    EXPECT_LT(grid[3].x1, 19.1);
    EXPECT_EQ(all<Op::Line>(ops).size(), 4u + 3 * 8);
    // 3 % short of the decade is too far.
    EXPECT_EQ(textsOf(drawX(10, 9700, 15)), (QStringList { " 10 ", " 100 ", " 1000 " }));
}

TEST(LogAxis, DecadesAreCountedFromTheMinimumNotFromPowersOfTen)
{
    EXPECT_EQ(textsOf(drawX(5, 5000, 12)), (QStringList { " 5 ", " 50 ", " 500 ", " 5000 " }));
    EXPECT_EQ(textsOf(drawX(0.002, 2, 9)), (QStringList { " .002 ", " .02 ", " .2 ", " 2 " }));
}

TEST(LogAxis, YDecadesRunUpwardWithGridAcrossAndTicksPointingRight)
{
    const LogAxis axis = *LogAxis::compute(1, 100, 10);
    RecordingSurface s;
    DrawLogYAxis(s, axis, 4, 18, 20, 2);
    const OpList ops = s.takeOps();
    EXPECT_EQ(textsOf(ops), (QStringList { " 1 ", " 10 ", " 100 " }));
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    ASSERT_EQ(lines.size(), 3u + 2 * 8);
    EXPECT_EQ(lines[0], (Op::Line { 4, 18, 24, 18, kBlack, 1 }));
    const float two = float(18 - axis.factor * std::log(2.0));
    EXPECT_EQ(lines[1], (Op::Line { 4, two, 4.5, two, kBlack, 1 }));
    EXPECT_EQ(lines[9], (Op::Line { 4, 13, 24, 13, kBlack, 1 }));
    EXPECT_EQ(lines[18], (Op::Line { 4, 8, 24, 8, kBlack, 1 }));
    EXPECT_EQ(all<Op::Point>(ops)[2], (Op::Point { 2, 7.7f, kGrey, 1 }));
}

TEST(LogAxis, RangesWithoutALogScaleHaveNoneAndTheWidestHasNoEndlessLoop)
{
    EXPECT_EQ(LogAxis::usableMinimum(0, 5000), 5);
    EXPECT_EQ(LogAxis::usableMinimum(-3, 5000), 5);
    EXPECT_EQ(LogAxis::usableMinimum(2, 5000), 2);
    EXPECT_FALSE(LogAxis::compute(10, 0, 15));
    EXPECT_FALSE(LogAxis::compute(10, -100, 15));
    EXPECT_FALSE(LogAxis::compute(0, 100, 15));
    EXPECT_FALSE(LogAxis::compute(100, 100, 15));
    EXPECT_FALSE(LogAxis::compute(1, INFINITY, 15));
    // Reversed ends: the count runs up from the minimum, past the maximum at once.
    EXPECT_TRUE(LogAxis::compute(1000, 10, 15)->decades().empty());
    const std::vector<LogAxis::Decade> widest = LogAxis::compute(4.9e-324, 1.7e308, 15)->decades();
    EXPECT_EQ(widest.size(), 632u);
    EXPECT_TRUE(std::isfinite(widest.back().value));
}

} // namespace
} // namespace kavel::test
