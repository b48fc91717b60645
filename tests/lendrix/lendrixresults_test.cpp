#include "lendrix/lendrixmodel.h"
#include "lendrix/lendrixresults.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Two physical columns, three modal ones: column 3 from (2π·10)² = 3947.8418
// is 10 Hz; column 4's negative value and column 5, past block 5, have none.
TEST(ModalColumns, NumberedAsTheLegendWithTheirNaturalFrequencies)
{
    LendrixModel model;
    model.p = 2;
    model.q = 3;
    model.L5 = 2;
    model.block5 = { 3947.8418f, -1 };
    const ResultRows rows = ModalColumnRows(model);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].kind, "mode");
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("column")), 3);
    EXPECT_NEAR(*rows[0].numberOf(QStringLiteral("frequency")), 10, 1e-6);
    EXPECT_EQ(rows[1].numberOf(QStringLiteral("column")), 4);
    EXPECT_FALSE(rows[1].numberOf(QStringLiteral("frequency")));
    EXPECT_EQ(rows[2].numberOf(QStringLiteral("column")), 5);
    EXPECT_FALSE(rows[2].numberOf(QStringLiteral("frequency")));
}

} // namespace
} // namespace kavel::test
