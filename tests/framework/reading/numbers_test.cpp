#include "framework/reading/numberparse.h"
#include "framework/reading/numbertext.h"
#include "framework/reading/textfile.h"

#include "support/qtprint.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

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

namespace kavel::test {
namespace {

// The general form worked out the long way: the value rounded to its
// digits, read back, and formatted again at the decimals its magnitude asks.
std::string generalTheLongWay(double value, int digits)
{
    char buffer[400];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1).ptr;
    const std::string scientific(buffer, end);
    double rounded = 0;
    std::from_chars(scientific.data(), scientific.data() + scientific.size(), rounded);
    const double magnitude = std::fabs(rounded);
    auto trim = [](std::string m) {
        if (m.find('.') != std::string::npos) {
            while (m.back() == '0')
                m.pop_back();
            if (m.back() == '.')
                m.pop_back();
        }
        return m;
    };
    if (magnitude >= std::pow(10.0, digits) || magnitude < 1e-4) {
        const std::size_t e = scientific.find('e');
        const int exponent = std::stoi(scientific.substr(e + 1));
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return trim(scientific.substr(0, e)) + tail;
    }
    const int decimals = std::max(0, digits - 1 - int(std::floor(std::log10(magnitude))));
    end = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals).ptr;
    return trim(std::string(buffer, end));
}

} // namespace

// The chart export writes hundreds of thousands of coordinates through the
// short way; every float and double it may meet gives the long way's text.
TEST(NumberText, GeneralFormMatchesTheLongWay)
{
    std::mt19937_64 random(18);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int i = 0; i < 200000; ++i) {
        const double sign = (random() & 1) ? -1 : 1;
        const double value = sign * std::pow(10.0, exponent(random));
        const float single = float(value);
        ASSERT_EQ(NumberText::general(single, 9).toStdString(), generalTheLongWay(single, 9)) << value;
        ASSERT_EQ(NumberText::general(value, 15).toStdString(), generalTheLongWay(value, 15)) << value;
        std::string appended;
        NumberText::appendGeneral(appended, value, 7);
        ASSERT_EQ(appended, generalTheLongWay(value, 7)) << value;
    }
    for (double edge : { 1e-4, 9.99999999e-5, 999999999.0, 1e9, 0.5, 100.0, 9.9999999999999999 })
        EXPECT_EQ(NumberText::general(edge, 9).toStdString(), generalTheLongWay(edge, 9)) << edge;
}

// ASCII files are read without the code-page converter, and read as it
// reads them: a control character it maps elsewhere included.
TEST(TextFile, AsciiReadsAsTheCodePageReadsIt)
{
    QByteArray ascii;
    for (int c = 1; c < 0x80; ++c)
        ascii += char(c);
    QStringDecoder cp932("windows-31j");
    ASSERT_TRUE(cp932.isValid());
    const QString decoded = cp932(ascii);
    EXPECT_EQ(TextFile::decode(ascii), decoded);
    EXPECT_EQ(TextFile::decode("12.5 \r\n"), QStringLiteral("12.5 \r\n"));
}

} // namespace kavel::test
