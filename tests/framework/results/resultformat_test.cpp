#include "framework/results/resultformat.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Three peaks and a mode: two kinds, a none, a verdict, a list and a text
// that needs quoting in CSV.
ResultRows rows()
{
    ResultRows r;
    r.push_back(ResultRow(QStringLiteral("peak")).number(QStringLiteral("curve"), 1).number(QStringLiteral("speed"), 3600).number(QStringLiteral("af"), 10.25).verdict(QStringLiteral("pass"), false));
    // A single as read from a file, and the double nearest the same digits.
    r.push_back(ResultRow(QStringLiteral("peak")).number(QStringLiteral("curve"), 2).number(QStringLiteral("speed"), double(6.50767f)).number(QStringLiteral("af"), 6.50767).verdict(QStringLiteral("pass"), true));
    r.push_back(ResultRow(QStringLiteral("peak")).number(QStringLiteral("curve"), 12).number(QStringLiteral("speed"), 0.1).number(QStringLiteral("af"), std::nullopt).verdict(QStringLiteral("pass"), true));
    r.push_back(ResultRow(QStringLiteral("mode")).numbers(QStringLiteral("nodes"), { 50, 260.5 }).text(QStringLiteral("whirl"), QStringLiteral("a \"b\", c")));
    return r;
}

TEST(ResultFormat, TableAlignsEachKindUnderItsOwnHeader)
{
    EXPECT_EQ(ResultFormat::table(rows()), (QStringList {
                                               "kind  curve    speed       af  pass",
                                               "peak      1     3600    10.25  no",
                                               "peak      2  6.50767  6.50767  yes",
                                               "peak     12      0.1        -  yes",
                                               "",
                                               "kind  nodes     whirl",
                                               "mode  50 260.5  a \"b\", c",
                                           }));
    EXPECT_EQ(ResultFormat::table({}), QStringList { "(no results)" });
}

TEST(ResultFormat, JsonLinesKindFirstNullsVerdictsAndLists)
{
    EXPECT_EQ(ResultFormat::jsonLines(rows()),
        "{\"kind\":\"peak\",\"curve\":1,\"speed\":3600,\"af\":10.25,\"pass\":false}\n"
        "{\"kind\":\"peak\",\"curve\":2,\"speed\":6.50767,\"af\":6.50767,\"pass\":true}\n"
        "{\"kind\":\"peak\",\"curve\":12,\"speed\":0.1,\"af\":null,\"pass\":true}\n"
        "{\"kind\":\"mode\",\"nodes\":[50,260.5],\"whirl\":\"a \\\"b\\\", c\"}\n");
}

TEST(ResultFormat, CsvHeaderOfEveryFieldAndEmptyCellsWhereARowHasNone)
{
    EXPECT_EQ(ResultFormat::csv(rows()),
        "kind,curve,speed,af,pass,nodes,whirl\n"
        "peak,1,3600,10.25,false,,\n"
        "peak,2,6.50767,6.50767,true,,\n"
        "peak,12,0.1,,true,,\n"
        "mode,,,,,50 260.5,\"a \"\"b\"\", c\"\n");
}

TEST(ResultFormat, NumbersInTheShortestFormThatReadsBack)
{
    EXPECT_EQ(ResultFormat::number(0.1), "0.1");
    EXPECT_EQ(ResultFormat::number(double(6.50767f)), "6.507669925689697");
    EXPECT_EQ(ResultFormat::number(2.0 / 3), "0.6666666666666666");
    EXPECT_EQ(ResultFormat::number(1e300), "1e+300");
}

} // namespace
} // namespace kavel::test
