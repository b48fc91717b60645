#include "framework/results/separationmargin.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const OperatingRange kRange { 100, 200 };

// AF = 4: 17·(1 − 1/2.5) = 10.2 below, 20.2 above; a large AF is capped at
// 16 and 26.
TEST(SeparationMargin, RequiredMarginsOfApi684)
{
    EXPECT_NEAR(RequiredMarginBelow(4), 10.2, 1e-12);
    EXPECT_NEAR(RequiredMarginAbove(4), 20.2, 1e-12);
    EXPECT_EQ(RequiredMarginBelow(100), 16);
    EXPECT_EQ(RequiredMarginAbove(100), 26);
}

// At AF exactly 2.5 a margin is required: none below (17·(1 − 1/1) = 0),
// 10 % above. 95 lies 5 % below 100 and passes; 215 lies 7.5 % above 200
// and fails.
TEST(SeparationMargin, AnAmplificationOfExactlyTwoAndAHalfNeedsItsMargin)
{
    const SeparationMargin below = AssessSeparation(95, 2.5, kRange);
    EXPECT_DOUBLE_EQ(*below.margin, 5);
    EXPECT_EQ(*below.required, 0);
    EXPECT_TRUE(below.pass);

    const SeparationMargin above = AssessSeparation(215, 2.5, kRange);
    EXPECT_DOUBLE_EQ(*above.margin, 7.5);
    EXPECT_DOUBLE_EQ(*above.required, 10);
    EXPECT_FALSE(above.pass);
}

TEST(SeparationMargin, APeakInsideTheRangeFailsUnlessItsAmplificationIsSmall)
{
    const SeparationMargin inside = AssessSeparation(150, 3, kRange);
    EXPECT_FALSE(inside.margin);
    EXPECT_FALSE(inside.required);
    EXPECT_FALSE(inside.pass);
    EXPECT_FALSE(AssessSeparation(100, 3, kRange).pass);

    const SeparationMargin damped = AssessSeparation(150, 2.4, kRange);
    EXPECT_EQ(*damped.required, 0);
    EXPECT_TRUE(damped.pass);
}

// No amplification factor: the response is taken as critically damped.
TEST(SeparationMargin, WithoutAnAmplificationFactorNoMarginIsRequired)
{
    const SeparationMargin none = AssessSeparation(210, std::nullopt, kRange);
    EXPECT_DOUBLE_EQ(*none.margin, 5);
    EXPECT_EQ(*none.required, 0);
    EXPECT_TRUE(none.pass);
}

} // namespace
} // namespace kavel::test
