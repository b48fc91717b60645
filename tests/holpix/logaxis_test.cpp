#include "holpixtesting.h"

#include "framework/logaxis.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kavel;
using namespace kavel::test;

namespace {

OpList drawX(const LogAxis& axis, double frameHeight = 10)
{
    RecordingSurface s;
    DrawLogXAxis(s, axis, 4, 18, frameHeight);
    return s.takeOps();
}

// Grid lines run the whole frame; minor ticks are 0.5 long.
std::vector<Op::Line> gridLines(const OpList& ops)
{
    std::vector<Op::Line> out;
    for (const Op::Line& l : all<Op::Line>(ops)) {
        if (std::fabs((l.y1 - l.y2) + (l.x2 - l.x1)) > 0.5f + 1e-5f)
            out.push_back(l);
    }
    return out;
}

TEST(LogAxis, ThreeDecadesOverFifteenCentimetresFallOnWholeCentimetres)
{
    const std::optional<LogAxis> axis = LogAxis::compute(10, 10000, 15);
    ASSERT_TRUE(axis);
    EXPECT_NEAR(axis->factor, 2.1715, 1e-4);
    EXPECT_EQ(axis->factor, 15 / std::log(1000.0));

    const OpList ops = drawX(*axis);
    EXPECT_EQ(textsOf(ops), (QStringList { " 10 ", " 100 ", " 1000 ", " 10000 " }));
    const std::vector<Op::Line> grid = gridLines(ops);
    ASSERT_EQ(grid.size(), 4u);
    const float at[] = { 4, 9, 14, 19 };
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_NEAR(grid[n].x1, at[n], 1e-5) << n;
        EXPECT_EQ(grid[n], (Op::Line { grid[n].x1, 18, grid[n].x1, 8, kBlack, 1 })) << n;
    }
    // Label at a light-grey point 0.2 under the edge, printed where it is.
    const std::vector<Op::Point> points = all<Op::Point>(ops);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1], (Op::Point { grid[1].x1, 18.2f, kGrey, 1 }));
    EXPECT_EQ(all<Op::Text>(ops)[1].x, grid[1].x1);

    // Minor ticks at 2 … 9 times the first three decades, none after the last.
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    EXPECT_EQ(lines.size(), 4u + 3 * 8);
    std::vector<float> minor;
    for (const Op::Line& l : lines) {
        if (l.y2 == 17.5f) {
            EXPECT_EQ(l.x1, l.x2);
            EXPECT_EQ(l.y1, 18);
            minor.push_back(l.x1);
        }
    }
    ASSERT_EQ(minor.size(), 24u);
    for (int m = 2; m <= 9; ++m) {
        EXPECT_EQ(minor[std::size_t(m - 2)], float(4 + axis->factor * std::log(double(m)))) << m;
        EXPECT_EQ(minor[std::size_t(16 + m - 2)], float(4 + 2 * axis->factor * std::log(10.0) + axis->factor * std::log(double(m)))) << m;
    }
    EXPECT_LT(minor.back(), 19);
}

TEST(LogAxis, ALastDecadeUpToTwoPointSevenPercentBeyondTheMaximumIsStillLabelled)
{
    const std::optional<LogAxis> axis = LogAxis::compute(10, 9800, 15);
    ASSERT_TRUE(axis);
    const OpList ops = drawX(*axis);
    EXPECT_EQ(textsOf(ops), (QStringList { " 10 ", " 100 ", " 1000 ", " 10000 " }));
    const std::vector<Op::Line> grid = gridLines(ops);
    ASSERT_EQ(grid.size(), 4u);
    EXPECT_EQ(grid[3].x1, float(4 + 3 * axis->factor * std::log(10.0)));
    // Just right of the frame's right edge at 19.
    EXPECT_GT(grid[3].x1, 19);
    EXPECT_LT(grid[3].x1, 19.1);
    EXPECT_EQ(all<Op::Line>(ops).size(), 4u + 3 * 8);

    // 3 % short of the decade is too far.
    EXPECT_EQ(textsOf(drawX(*LogAxis::compute(10, 9700, 15))), (QStringList { " 10 ", " 100 ", " 1000 " }));
}

TEST(LogAxis, DecadesAreCountedFromTheMinimumNotFromPowersOfTen)
{
    const std::optional<LogAxis> axis = LogAxis::compute(5, 5000, 12);
    ASSERT_TRUE(axis);
    EXPECT_EQ(textsOf(drawX(*axis)), (QStringList { " 5 ", " 50 ", " 500 ", " 5000 " }));
    EXPECT_EQ(textsOf(drawX(*LogAxis::compute(0.002, 2, 9))), (QStringList { " .002 ", " .02 ", " .2 ", " 2 " }));
}

TEST(LogAxis, YDecadesRunUpwardWithGridAcrossAndTicksPointingRight)
{
    const std::optional<LogAxis> axis = LogAxis::compute(1, 100, 10);
    ASSERT_TRUE(axis);
    RecordingSurface s;
    DrawLogYAxis(s, *axis, 4, 18, 20, 2);
    const OpList ops = s.takeOps();
    EXPECT_EQ(textsOf(ops), (QStringList { " 1 ", " 10 ", " 100 " }));
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    ASSERT_EQ(lines.size(), 3u + 2 * 8);
    EXPECT_EQ(lines[0], (Op::Line { 4, 18, 24, 18, kBlack, 1 }));
    EXPECT_EQ(all<Op::Point>(ops)[0], (Op::Point { 2, 17.7f, kGrey, 1 }));
    const float two = float(18 - axis->factor * std::log(2.0));
    EXPECT_EQ(lines[1], (Op::Line { 4, two, 4.5, two, kBlack, 1 }));
    EXPECT_EQ(lines[9], (Op::Line { 4, 13, 24, 13, kBlack, 1 }));
    EXPECT_EQ(lines[18], (Op::Line { 4, 8, 24, 8, kBlack, 1 }));
    EXPECT_EQ(all<Op::Point>(ops)[2], (Op::Point { 2, 7.7f, kGrey, 1 }));
}

TEST(LogAxis, ANonPositiveMinimumBecomesATenthOfAPercentOfTheMaximum)
{
    EXPECT_EQ(LogAxis::usableMinimum(0, 5000), 5);
    EXPECT_EQ(LogAxis::usableMinimum(-3, 5000), 5);
    EXPECT_EQ(LogAxis::usableMinimum(2, 5000), 2);
}

TEST(LogAxis, RangesWithoutALogScaleHaveNone)
{
    EXPECT_FALSE(LogAxis::compute(10, 0, 15));
    EXPECT_FALSE(LogAxis::compute(10, -100, 15));
    EXPECT_FALSE(LogAxis::compute(0, 100, 15));
    EXPECT_FALSE(LogAxis::compute(100, 100, 15));
    EXPECT_FALSE(LogAxis::compute(1, INFINITY, 15));
    // Reversed ends have a scale but no decade to label: the count runs up
    // from the minimum, past the maximum at once.
    const std::optional<LogAxis> reversed = LogAxis::compute(1000, 10, 15);
    ASSERT_TRUE(reversed);
    EXPECT_LT(reversed->factor, 0);
    EXPECT_TRUE(reversed->decades().empty());
    // The widest range a double holds is a few hundred decades, not a stall.
    const std::optional<LogAxis> widest = LogAxis::compute(4.9e-324, 1.7e308, 15);
    ASSERT_TRUE(widest);
    const auto decades = widest->decades();
    EXPECT_EQ(decades.size(), 632u);
    for (const LogAxis::Decade& d : decades)
        EXPECT_TRUE(std::isfinite(d.value));
}

TEST(LogAxis, ValuesBelowTheMinimumArePinnedToTheAxis)
{
    const LogAxis axis = *LogAxis::compute(10, 1000, 10);
    EXPECT_EQ(axis.offset(10), 0);
    EXPECT_EQ(axis.offset(100), 5);
    EXPECT_EQ(axis.offset(9.99), 0);
    EXPECT_EQ(axis.offset(0), 0);
    EXPECT_EQ(axis.offset(-50), 0);
    EXPECT_GT(axis.offset(10000), 10);
}

} // namespace
