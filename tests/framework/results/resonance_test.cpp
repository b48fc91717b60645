#include "framework/results/resonance.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Speeds 0, 1, 2, … one a sample.
std::vector<Resonance> resonancesOf(std::vector<double> amplitude)
{
    std::vector<double> speed;
    for (std::size_t i = 0; i < amplitude.size(); ++i)
        speed.push_back(double(i));
    return FindResonances(speed, amplitude);
}

// The peak 8 at speed 3 falls to 4 on both sides: the half-power level
// 8/√2 = 5.656854 lies 0.585786 of the way down to them, so N1 = 2.414214,
// N2 = 3.585786 and AF = 3 / 1.171573 = 2.560660.
TEST(Resonances, HalfPowerPointsAndAmplificationFactorOfASymmetricPeak)
{
    const std::vector<Resonance> found = resonancesOf({ 1, 2, 4, 8, 4, 2, 1 });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].peak, 3u);
    EXPECT_NEAR(*found[0].n1, 2.414214, 1e-6);
    EXPECT_NEAR(*found[0].n2, 3.585786, 1e-6);
    EXPECT_NEAR(*found[0].af, 2.560660, 1e-6);
}

TEST(Resonances, APeakAtTheDataEndHasNoHalfPowerPointBeyondItAndNoFactor)
{
    const std::vector<Resonance> found = resonancesOf({ 1, 2, 4, 8 });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].peak, 3u);
    EXPECT_NEAR(*found[0].n1, 2.414214, 1e-6);
    EXPECT_FALSE(found[0].n2);
    EXPECT_FALSE(found[0].af);

    const std::vector<Resonance> first = resonancesOf({ 5, 3, 1 });
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].peak, 0u);
    EXPECT_FALSE(first[0].n1);
}

// Peak 8 at 2 only falls to the valley 6 (at 4) before the peak 9 at 6: its
// half-power level 5.657 lies beyond the valley, so it has no N2, though the
// response falls below it after the next peak. That peak's own N1 lies on
// this side of the valley: from 7 at 5 to 6 at 4, down to 9/√2 = 6.363961
// at 4.363961; its N2 from 9 to 2 at 6.376577; AF = 6 / 2.012616.
TEST(Resonances, AHalfPowerPointBeyondTheValleyIsNotFound)
{
    const std::vector<Resonance> found = resonancesOf({ 1, 2, 8, 7, 6, 7, 9, 2, 1 });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].peak, 2u);
    EXPECT_NEAR(*found[0].n1, 1.609476, 1e-6);
    EXPECT_FALSE(found[0].n2);
    EXPECT_FALSE(found[0].af);
    EXPECT_EQ(found[1].peak, 6u);
    EXPECT_NEAR(*found[1].n1, 4.363961, 1e-6);
    EXPECT_NEAR(*found[1].n2, 6.376577, 1e-6);
    EXPECT_NEAR(*found[1].af, 2.981195, 1e-6);
}

// A response written with few digits rises in steps (20.021, 20.022,
// 20.022, 20.023): a step is no peak, a flat top is one, at its start.
TEST(Resonances, AFlatTopIsOnePeakAStepOfARiseNoneAndAFlatResponseNone)
{
    const std::vector<Resonance> found = resonancesOf({ 1, 3, 3, 1 });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].peak, 1u);
    const std::vector<Resonance> steps = resonancesOf({ 1, 2, 2, 3, 3, 3, 4, 4, 1 });
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].peak, 6u);
    const std::vector<Resonance> flatEnd = resonancesOf({ 1, 2, 2 });
    ASSERT_EQ(flatEnd.size(), 1u);
    EXPECT_EQ(flatEnd[0].peak, 1u);
    EXPECT_TRUE(resonancesOf({ 2, 2, 2 }).empty());
    EXPECT_TRUE(resonancesOf({ 0, 0, 0 }).empty());
    EXPECT_TRUE(resonancesOf({ 4 }).empty());
}

} // namespace
} // namespace kavel::test
