#include "framework/reading/numberparse.h"
#include "framework/reading/numbertext.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {

TEST(NumberText, PrintedFormHasBlanksAroundAndNoLeadingZero)
{
    EXPECT_EQ(NumberText::printed(0), " 0 ");
    EXPECT_EQ(NumberText::printed(0.5), " .5 ");
    EXPECT_EQ(NumberText::printed(-0.5), "-.5 ");
    EXPECT_EQ(NumberText::printed(100), " 100 ");
    EXPECT_EQ(NumberText::printed(-100), "-100 ");
    EXPECT_EQ(NumberText::printed(-0.0), " 0 ");
    EXPECT_EQ(NumberText::printed(1234.5678), " 1234.5678 ");
}

TEST(NumberText, FifteenDigitsHideTheLastDigitErrorOfASum)
{
    EXPECT_EQ(NumberText::printed(0.1 + 0.1 + 0.1), " .3 ");
    EXPECT_EQ(NumberText::printed(3 * 0.1), " .3 ");
    EXPECT_EQ(NumberText::printed(1.0 / 3.0), " .333333333333333 ");
}

TEST(NumberText, ExponentOnlyForVeryLargeOrSmallMagnitudes)
{
    EXPECT_EQ(NumberText::printed(1e15), " 1E+15 ");
    EXPECT_EQ(NumberText::printed(123456789012345.0), " 123456789012345 ");
    EXPECT_EQ(NumberText::printed(-2.5e-7), "-2.5E-07 ");
    EXPECT_EQ(NumberText::printed(0.001), " .001 ");
    EXPECT_EQ(NumberText::printed(1e100), " 1E+100 ");
}

// Every chart label and settings file changes when this boundary moves.
TEST(NumberText, ExponentBoundaryIsPinnedOnBothSides)
{
    EXPECT_EQ(NumberText::printed(0.0001), " .0001 ");
    EXPECT_EQ(NumberText::printed(0.0005), " .0005 ");
    EXPECT_EQ(NumberText::printed(-0.0001), "-.0001 ");
    EXPECT_EQ(NumberText::printed(0.00009999), " 9.999E-05 ");
    EXPECT_EQ(NumberText::printed(999999999999999.0), " 999999999999999 ");
    EXPECT_EQ(NumberText::printed(1e15), " 1E+15 ");
    EXPECT_EQ(NumberText::printed(9999999.0, NumberText::kSingleDigits), " 9999999 ");
    EXPECT_EQ(NumberText::printed(1e7, NumberText::kSingleDigits), " 1E+07 ");
}

TEST(NumberText, SingleGeneralFormKeepsLeadingZeroAndSevenDigits)
{
    using NumberText::LeadingZero;
    EXPECT_EQ(NumberText::general(0.5f, NumberText::kSingleDigits), "0.5");
    EXPECT_EQ(NumberText::general(double(1.2345678f), NumberText::kSingleDigits), "1.234568");
    EXPECT_EQ(NumberText::general(double(0.1f), NumberText::kSingleDigits), "0.1");
    EXPECT_EQ(NumberText::general(3.0, NumberText::kSingleDigits), "3");
    EXPECT_EQ(NumberText::general(0.0, NumberText::kSingleDigits), "0");
    EXPECT_EQ(NumberText::general(-0.25, NumberText::kSingleDigits), "-0.25");
    EXPECT_EQ(NumberText::general(3947.8418, NumberText::kSingleDigits), "3947.842");
    EXPECT_EQ(NumberText::general(12345678.0, NumberText::kSingleDigits), "1.234568E+07");
    EXPECT_EQ(NumberText::printed(double(0.5f), NumberText::kSingleDigits), " .5 ");
}

TEST(NumberText, ExactFormReadsBackToTheSameDouble)
{
    for (double v : { 0.1 + 0.2, 1.0 / 3.0, -1e-300, 123.456, 6.02214076e23, 0.0, -250.0 }) {
        const QString text = NumberText::printedExact(v).trimmed();
        ASSERT_TRUE(NumberParse::strict(text)) << text.toStdString();
        EXPECT_EQ(*NumberParse::strict(text), v) << text.toStdString();
    }
    EXPECT_EQ(NumberText::printedExact(0.3), " .3 ");
}

TEST(NumberText, PlainFormForDialogFields)
{
    EXPECT_EQ(NumberText::plain(0.5), "0.5");
    EXPECT_EQ(NumberText::plain(-100), "-100");
    EXPECT_EQ(NumberText::plain(0), "0");
}

TEST(NumberParse, StrictTakesWholeNumbersOnly)
{
    EXPECT_EQ(NumberParse::strict(u" -.5 "), -0.5);
    EXPECT_EQ(NumberParse::strict(u"1e3"), 1000);
    EXPECT_EQ(NumberParse::strict(u"1D2"), 100);
    EXPECT_EQ(NumberParse::strict(u"+7"), 7);
    EXPECT_EQ(NumberParse::strict(u"5."), 5);
    for (const char16_t* bad : { u"", u" ", u"12abc", u"abc", u".", u"-", u"1 2", u"1e", u"-1e363", u"1D400" })
        EXPECT_FALSE(NumberParse::strict(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(NumberParse, StrictInt16RoundsTiesToEvenWithin16Bits)
{
    EXPECT_EQ(NumberParse::strictInt16(u"2.5"), 2);
    EXPECT_EQ(NumberParse::strictInt16(u"3.5"), 4);
    EXPECT_EQ(NumberParse::strictInt16(u"-32768"), -32768);
    EXPECT_FALSE(NumberParse::strictInt16(u"32768"));
    EXPECT_FALSE(NumberParse::strictInt16(u"1e300"));
}

TEST(NumberParse, LenientTakesTheLeadingNumber)
{
    EXPECT_EQ(NumberParse::lenient(u"12abc"), 12);
    EXPECT_EQ(NumberParse::lenient(u"abc"), 0);
    EXPECT_EQ(NumberParse::lenient(u"   -3.5e1x"), -35);
    EXPECT_EQ(NumberParse::lenient(u""), 0);
    EXPECT_EQ(NumberParse::lenient(u"1e"), 1);
}

TEST(NumberParse, LeadingNumberIgnoresBlanksInsideTheField)
{
    EXPECT_EQ(NumberParse::leadingNumber(u"           "), 0);
    EXPECT_EQ(NumberParse::leadingNumber(u"  -1 .2 5E 1"), -12.5);
    EXPECT_EQ(NumberParse::leadingNumber(u"\t3.5D-1zz"), 0.35);
    EXPECT_EQ(NumberParse::leadingNumber(u"x1"), 0);
}

} // namespace kavel::test
