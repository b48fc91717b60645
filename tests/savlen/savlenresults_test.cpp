#include "savlen/savlenresults.h"

#include "framework/models/rotormodel.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

TEST(RotorSummary, LengthElementsAndLargestDiameter)
{
    RotorModel model;
    model.N = 8;
    model.points = { { 1, 10, 0, 0 }, { 1, 10, 40, 10 }, { 1, 60, 40, 10 }, { 1, 60, 0, 0 },
        { 2, 60, 0, 0 }, { 2, 60, 55, 0 }, { 2, 110, 55, 0 }, { 2, 110, 0, 0 } };
    const ResultRows rows = RotorSummaryRows(model);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, "rotor");
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("length")), 100);
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("elements")), 2);
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("max_diameter")), 55);

    EXPECT_FALSE(RotorSummaryRows(RotorModel {})[0].numberOf(QStringLiteral("length")));
}

} // namespace
} // namespace kavel::test
