#include "framework/reading/fieldreader.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {

TEST(FieldReader, FieldsEndAtCommasBlanksAndLineEnds)
{
    FieldReader r(QStringLiteral("t"), QStringLiteral(" 1 , 2,3  4\r\n5\n\n 6"));
    for (double expected : { 1, 2, 3, 4, 5, 6 })
        EXPECT_EQ(r.number(), expected);
    EXPECT_FALSE(r.number());
    EXPECT_EQ(r.diagnostic().reason, "the file ends before this item");
}

TEST(FieldReader, WholeLinesKeepBlanksAndCommas)
{
    FieldReader r(QStringLiteral("t"), QStringLiteral("  a, b  \r\n\r\nlast"));
    EXPECT_EQ(r.wholeLine(), "  a, b  ");
    EXPECT_EQ(r.wholeLine(), "");
    EXPECT_EQ(r.wholeLine(), "last");
    EXPECT_FALSE(r.wholeLine());
}

TEST(FieldReader, CarriageReturnAloneEndsALine)
{
    FieldReader r(QStringLiteral("t"), QStringLiteral("head\rcomment\r 3"));
    EXPECT_EQ(r.wholeLine(), "head");
    EXPECT_EQ(r.wholeLine(), "comment");
    EXPECT_EQ(r.number(), 3);
}

TEST(FieldReader, NonNumberStopsTheReadAndSaysWhere)
{
    FieldReader r(QStringLiteral("model.mac"), QStringLiteral("1 2\n3 x4 5"));
    EXPECT_EQ(r.number(), 1);
    EXPECT_EQ(r.number(), 2);
    EXPECT_EQ(r.number(), 3);
    EXPECT_FALSE(r.number());
    EXPECT_FALSE(r.number()) << "a failed reader stays failed";
    EXPECT_EQ(r.diagnostic().toString(), "model.mac, line 2, item 4: \"x4\" is not a number");
}

TEST(FieldReader, TextItemRunsToCommaOrLineEnd)
{
    FieldReader r(QStringLiteral("t"), QStringLiteral("   MODEL HEADER\r\ntitle"));
    EXPECT_EQ(r.textItem(), "MODEL HEADER");
    EXPECT_EQ(r.wholeLine(), "title") << "the item's line end goes with it";
}

TEST(FieldReader, LastFieldOfALineTakesItsLineEndWithIt)
{
    FieldReader r(QStringLiteral("t"), QStringLiteral("1 2 \r\nnext\r\n3 4 extra\r\nafter\r\n5"));
    EXPECT_EQ(r.number(), 1);
    EXPECT_EQ(r.number(), 2);
    r.finishLine();
    EXPECT_EQ(r.wholeLine(), "next");
    EXPECT_EQ(r.number(), 3);
    EXPECT_EQ(r.number(), 4);
    r.finishLine();
    EXPECT_EQ(r.wholeLine(), "after") << "the rest of the last numeric line is passed over";
    EXPECT_EQ(r.number(), 5);
}

TEST(FieldReader, MissingFileIsReported)
{
    FieldReader r(QStringLiteral("/nonexistent/kavel/file.mac"));
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.wholeLine());
    EXPECT_EQ(r.diagnostic().toString(), "/nonexistent/kavel/file.mac: cannot be opened");
}

TEST(FixedColumnField, ElevenCharacterFieldsFromColumnEight)
{
    const QString line = QStringLiteral("LABEL  ") + QStringLiteral("     1.5   ") + QStringLiteral("           ") + QStringLiteral("  -2.0E+01 ") + QStringLiteral(" 7");
    EXPECT_EQ(fixedColumnField(line, 1), 1.5);
    EXPECT_EQ(fixedColumnField(line, 2), 0) << "a field of eleven blanks";
    EXPECT_EQ(fixedColumnField(line, 3), -20);
    EXPECT_EQ(fixedColumnField(line, 4), 7) << "a short last field uses what is there";
    EXPECT_EQ(fixedColumnField(line, 5), 0) << "past the end of the line";
    EXPECT_EQ(fixedColumnField(line, 0), 0);
    EXPECT_EQ(fixedColumnField(QStringLiteral("ABCDEF12345678901"), 1, 7), 12345678901.0);
}

// A result's counts end it: blank lines may follow; anything else is where
// a file of another kind, or counts edited by hand, shows.
TEST(FieldReader, LinesPastTheCountsStopTheRead)
{
    FieldReader blank(QStringLiteral("r.mac"), QStringLiteral("data\r\n  \r\n\r\n"));
    blank.wholeLine();
    blank.expectEnd(QStringLiteral("count n = 1"));
    EXPECT_TRUE(blank.ok());

    FieldReader more(QStringLiteral("r.mac"), QStringLiteral("data\r\n\r\n 2  3\r\n"));
    more.wholeLine();
    more.expectEnd(QStringLiteral("count n = 1"));
    EXPECT_EQ(more.diagnostic().toString(), "r.mac, line 3: the file goes on past the lines called for by its count n = 1");
}

// A column heading read as a row of values has words where numbers belong;
// blank fields, numbers with a unit after them and a sign alone are no words.
TEST(FieldReader, WordsWhereNumbersBelongStopTheRead)
{
    FieldReader r(QStringLiteral("r.mac"), QStringLiteral(" Z(mm) " "        0.0" "  1.25E+02 " "     1.5mm " "          -" "\r\n"
                                                          "  STEP " "     SIGMA1" "     OMEGA1" "\r\n"));
    EXPECT_TRUE(r.expectNumbers(*r.wholeLine(), 5, QStringLiteral("a position")));
    EXPECT_FALSE(r.expectNumbers(*r.wholeLine(), 2, QStringLiteral("a position")));
    EXPECT_EQ(r.diagnostic().toString(), "r.mac, line 2, item 1: columns 8 to 18 hold \"SIGMA1\", not a position");
}

TEST(FieldReader, AResultOpensWithItsCommentThenItsCounts)
{
    QString comment;
    FieldReader plain(QStringLiteral("t"), QStringLiteral("kind\r\nthe comment\r\n 3 , 4\r\n"));
    EXPECT_EQ(readResultOpening<2>(plain, comment), (std::array<qint16, 2> { 3, 4 }));
    EXPECT_EQ(comment, "the comment");

    FieldReader header(QStringLiteral("t"), QStringLiteral("solver\r\nrun 2\r\n *** M **\r\nc2\r\n 7\r\n"));
    EXPECT_EQ(readResultOpening<1>(header, comment, { .marker = QLatin1String(" *** M **") }), (std::array<qint16, 1> { 7 }));
    EXPECT_EQ(comment, "c2");

    FieldReader cut(QStringLiteral("t"), QStringLiteral("kind\r\nkept\r\n 5 x\r\n"));
    EXPECT_FALSE(readResultOpening<2>(cut, comment));
    EXPECT_EQ(comment, "kept") << "the comment is stored before the counts are read";
    EXPECT_EQ(cut.diagnostic().toString(), "t, line 3, item 2: \"x\" is not a 16-bit integer");
}

TEST(FieldReader, NegativeCountsStopTheOpeningAfterThePreviousTablesGo)
{
    const auto opening = [](const QString& counts, int& drops) {
        QString comment;
        FieldReader r(QStringLiteral("t"), QStringLiteral("kind\r\nc\r\n") + counts);
        const bool read = readResultOpening<2>(r, comment, { .dropTables = [&] { ++drops; } }).has_value();
        return std::pair(read, r.diagnostic().toString());
    };
    int drops = 0;
    EXPECT_EQ(opening(QStringLiteral(" 3 -1\r\n"), drops), std::pair(false, QStringLiteral("t, line 3, item 2: the counts 3 and -1 are not both 0 or more")));
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(opening(QStringLiteral(" 0 0\r\n"), drops).first, true);
    EXPECT_EQ(drops, 2);
    EXPECT_EQ(opening(QStringLiteral(" -3 x\r\n"), drops).first, false);
    EXPECT_EQ(drops, 2) << "counts that cannot be read leave the tables";

    QString comment;
    FieldReader one(QStringLiteral("t"), QStringLiteral("kind\r\nc\r\n -7\r\n"));
    EXPECT_FALSE(readResultOpening<1>(one, comment));
    EXPECT_EQ(one.diagnostic().reason, QStringLiteral("the count -7 is negative"));
}

TEST(FieldReader, TableCountsFitTheRestOfTheFile)
{
    const auto reason = [](qint16 n1, qint16 n2, qsizetype rest) {
        FieldReader r(QStringLiteral("t"), QString(rest, QLatin1Char(' ')));
        r.expectTableCounts(n1, n2, double(n1) * double(n2));
        return r.diagnostic().reason;
    };
    EXPECT_EQ(reason(256, 256, 0), "") << "65536 cells whatever the file holds";
    EXPECT_EQ(reason(256, 257, 0), QStringLiteral("the counts 256 × 257 are more than the file can hold"));
    EXPECT_EQ(reason(300, 300, 11 * 89999), "") << "11 characters a cell";
    EXPECT_EQ(reason(300, 300, 11 * 89999 - 1), QStringLiteral("the counts 300 × 300 are more than the file can hold"));
}

namespace {

ReaderDiagnostic firstNumber(FieldReader& reader, double& value)
{
    if (const std::optional<double> number = reader.number())
        value = *number;
    return reader.diagnostic();
}

} // namespace

TEST(ReaderEntries, AFileAndATextGoThroughTheOneBody)
{
    double value = 0;
    EXPECT_TRUE(ReaderEntries<firstNumber>::readText(QStringLiteral("t"), QStringLiteral(" 5"), value).complete());
    EXPECT_EQ(value, 5);
    EXPECT_EQ(ReaderEntries<firstNumber>::read(QStringLiteral("/nonexistent/n.mac"), value).toString(), "/nonexistent/n.mac: cannot be opened");
    EXPECT_EQ(value, 5);
}

} // namespace kavel::test
