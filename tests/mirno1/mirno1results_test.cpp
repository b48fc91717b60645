#include "mirno1/mirno1results.h"
#include "mirno1/modeshapefiles.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Stations at 0, 100, 200, 300 mm deflected 1, −1, −3, 2: nodes halfway
// between the first two (50) and 3/5 of the way from 200 to 300 (260); the
// largest magnitude 3 at 200, negative.
TEST(PlanarModeResults, NodesAndLargestDeflectionOfTheDrawnDirection)
{
    PlanarModeShapes shapes;
    shapes.N1 = 4;
    shapes.N2 = 1;
    shapes.stationPos = { 0, 100, 200, 300 };
    shapes.setShapeLine(1, 0, { 1, -1, -3, 2 });
    shapes.setShapeLine(1, 1, { 9, 9, 9, 9 });
    const ResultRows rows = PlanarModeRows(shapes);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, "mode");
    EXPECT_EQ(std::get<std::vector<double>>(*rows[0].field(QStringLiteral("nodes"))), (std::vector<double> { 50, 260 }));
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("x")), 200);
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("deflection")), -3);
}

// A line shorter than the stations leaves the rest at 0, as drawn: the
// deflection meets zero at the first of them, once.
TEST(PlanarModeResults, StationsALineDidNotReachStandAtZero)
{
    PlanarModeShapes shapes;
    shapes.N1 = 5;
    shapes.N2 = 1;
    shapes.stationPos = { 0, 10, 20, 30, 40 };
    shapes.setShapeLine(1, 0, { 1, 2 });
    const ResultRows rows = PlanarModeRows(shapes);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::get<std::vector<double>>(*rows[0].field(QStringLiteral("nodes"))), std::vector<double> { 20 });
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("x")), 10);
    EXPECT_EQ(rows[0].numberOf(QStringLiteral("deflection")), 2);
}

} // namespace
} // namespace kavel::test
