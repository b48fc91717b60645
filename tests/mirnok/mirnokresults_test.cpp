#include "mirnok/mirnokresults.h"
#include "mirnok/modeshapes.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Mode 1: 50 Hz, forward, λ = −3 + 40j Hz: ζ = 3/√1609 = 0.07478995.
// Mode 2 whirls backward; mode 3 has no turning direction and λ = 0.
TEST(ModeSummary, SpeedFrequencyDampingAndWhirlOfEachMode)
{
    ComplexModeShapes shapes;
    shapes.resize(1, 3);
    shapes.setModeInfo(1, { 50, 0, 1, -3, 40 });
    shapes.setModeInfo(2, { 60, 0, -2, -1, 70 });
    shapes.setModeInfo(3, { 70, 0, 0, 0, 0 });
    const ResultRows rows = ModeSummaryRows(shapes);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].kind, "mode");
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("speed")), 50);
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("frequency")), 40);
    EXPECT_NEAR(*rows[0].numberOf(QStringLiteral("damping_ratio")), 0.07478995, 1e-8);
    EXPECT_EQ(std::get<QString>(*rows[0].field(QStringLiteral("whirl"))), "forward");
    EXPECT_EQ(std::get<QString>(*rows[1].field(QStringLiteral("whirl"))), "backward");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(*rows[2].field(QStringLiteral("whirl"))));
    EXPECT_FALSE(rows[2].numberOf(QStringLiteral("damping_ratio")));
}

} // namespace
} // namespace kavel::test
