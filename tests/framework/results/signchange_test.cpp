#include "framework/results/damping.h"
#include "framework/results/signchange.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace kavel::test {
namespace {

std::vector<SignChange> changes(std::initializer_list<double> g)
{
    return SignChanges(std::vector<double>(g));
}

TEST(SignChanges, BetweenSamplesWhereTheStraightLineMeetsZero)
{
    const std::vector<SignChange> found = changes({ -1, 3, 2, -2 });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].index, 1u);
    EXPECT_DOUBLE_EQ(found[0].t, 0.25);
    EXPECT_EQ(found[1].index, 3u);
    EXPECT_DOUBLE_EQ(found[1].t, 0.5);
}

TEST(SignChanges, ACrossingExactlyAtASampleIsFoundOnceAtThatSample)
{
    const std::vector<SignChange> found = changes({ -2, 0, 2 });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].index, 1u);
    EXPECT_EQ(found[0].t, 1.0);
}

// A curve that reaches zero at a sample and turns back meets the line there
// once; one that comes near and turns back between samples does not.
TEST(SignChanges, ATouchAtASampleIsOneMeetingANearMissNone)
{
    const std::vector<SignChange> touch = changes({ 2, 0, 2 });
    ASSERT_EQ(touch.size(), 1u);
    EXPECT_EQ(touch[0].index, 1u);
    EXPECT_TRUE(changes({ 2, 0.1, 2 }).empty());
}

TEST(SignChanges, ARunOfZerosIsOneMeetingAtItsStartAndAZeroFirstSampleNone)
{
    const std::vector<SignChange> run = changes({ 1, 0, 0, 0, 1 });
    ASSERT_EQ(run.size(), 1u);
    EXPECT_EQ(run[0].index, 1u);
    EXPECT_TRUE(changes({ 0, 1, 2 }).empty());
}

TEST(SignChanges, SamplesThatAreNotFiniteHaveNoCrossing)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(changes({ -1, nan, 1, inf, -1 }).empty());
    EXPECT_TRUE(changes({}).empty());
    EXPECT_TRUE(changes({ 0 }).empty());
}

// σ = −0.1, ω = 0.99499: |λ| = 1 to five digits, ζ = 0.1, and the
// logarithmic decrement 2π·0.1/√0.99 = 0.631483.
TEST(Damping, RatioAndLogarithmicDecrementOfAnEigenvalue)
{
    EXPECT_NEAR(*DampingRatio(-0.1, 0.99499), 0.1, 1e-5);
    EXPECT_NEAR(*LogarithmicDecrement(0.1), 0.6314831, 1e-6);
    EXPECT_NEAR(*LogarithmicDecrement(-0.1), -0.6314831, 1e-6);
    // Squares beyond the double range still have a modulus: 5e200.
    EXPECT_NEAR(*DampingRatio(-3e200, 4e200), 0.6, 1e-12);
    EXPECT_FALSE(DampingRatio(0, 0));
    EXPECT_FALSE(LogarithmicDecrement(1));
    EXPECT_FALSE(LogarithmicDecrement(-1.5));
}

} // namespace
} // namespace kavel::test
