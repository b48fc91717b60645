#include "framework/settings/checkflags.h"
#include "framework/settings/twoaxissettings.h"

#include <gtest/gtest.h>

namespace kavel {
namespace {

// Two kinds of five rows sharing the "All" box 10, and a kind whose lookup
// reaches past its own rows into the next kind's.
constexpr FlagColumn kFirst { .first = 0, .rows = 5, .all = 10 };
constexpr FlagColumn kSecond { .first = 5, .rows = 5, .all = 10 };
constexpr FlagColumn kReaching { .first = 0, .rows = 7, .all = 10 };

TEST(CheckFlags, AColumnDrawsItsCheckedRowsAndEveryModeThroughAll)
{
    CheckFlags<11> flags {};
    flags[1] = 1; // mode 2 of the first kind
    flags[5] = 1; // mode 1 of the second
    EXPECT_TRUE(kFirst(flags, 2));
    EXPECT_FALSE(kFirst(flags, 1));
    EXPECT_TRUE(kSecond(flags, 1));
    EXPECT_FALSE(kSecond(flags, 2));
    // Beyond the rows, and mode 0 or below, nothing is looked up.
    EXPECT_FALSE(kFirst(flags, 6));
    EXPECT_FALSE(kFirst(flags, 0));
    EXPECT_FALSE(kFirst(flags, -3));
    EXPECT_TRUE(kReaching(flags, 6)); // reads the second kind's box 5

    flags[10] = 1;
    for (int j : { 1, 5, 6, 100 }) {
        EXPECT_TRUE(kFirst(flags, j)) << j;
        EXPECT_TRUE(kSecond(flags, j)) << j;
    }
}

TEST(CheckFlags, CountsTheCheckedBoxesOfARangeWithinTheTable)
{
    CheckFlags<11> flags = allChecked<11>();
    EXPECT_EQ(checkedCount(flags, 5, 10), 6);
    flags[7] = 0;
    EXPECT_EQ(checkedCount(flags, 5, 10), 5);
    EXPECT_EQ(checkedCount(flags, 8, 40), 3); // stops at the table's end
    EXPECT_EQ(onlyChecked<11>(10), (CheckFlags<11> { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 }));
}

TEST(CheckFlags, ATableStartsWithItsAllBoxAloneOrWithEveryBox)
{
    using Modes = FlagTable<4, 3>;
    EXPECT_EQ(Modes::kCount, 4);
    EXPECT_EQ(Modes::atStart(), (CheckFlags<4> { 0, 0, 0, 1 }));
    EXPECT_EQ((FlagTable<3, kEveryBox>::atStart()), (CheckFlags<3> { 1, 1, 1 }));
}

TEST(TwoAxisChartSettings, ReadsTheAxesTheLineWidthTheFlagAndTheTitlesInFileOrder)
{
    TwoAxisChartSettings s;
    ReadChartSettingsText(QStringLiteral("t.tmp"), QStringLiteral("0 100 10 15\r\n-1.5 2 0.5 8\r\n3 1\r\nx\r\ny\r\nt\r\n"), s.layout());
    EXPECT_EQ(s.X.max, 100);
    EXPECT_EQ(s.X.length, 15);
    EXPECT_EQ(s.Y.min, -1.5);
    EXPECT_EQ(s.Y.length, 8);
    EXPECT_EQ(s.FrameWidth, 3);
    EXPECT_EQ(s.SpareFlag, 1);
    EXPECT_EQ(QStringList({ s.XTitle, s.YTitle, s.Title }), QStringList({ "x", "y", "t" }));
}

} // namespace
} // namespace kavel
