#include "wespar/deflectiondata.h"
#include "wespar/wesparresults.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// −0.3 and 0.3 are as large: the first counts, with its sign.
TEST(DeflectionMax, FirstPointOfLargestMagnitudeAndNoneWithoutPoints)
{
    DeflectionData data;
    data.n = 3;
    data.xs = { 0, 50, 100 };
    data.defl = { 0.1f, -0.3f, 0.3f };
    const ResultRows rows = DeflectionMaxRows(data);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, "max");
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("x")), 50);
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("deflection")), double(-0.3f));

    const ResultRows none = DeflectionMaxRows(DeflectionData {});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_FALSE(none[0].numberOf(QStringLiteral("x")));
}

} // namespace
} // namespace kavel::test
