#include "wespar/deflectiondata.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

QString file(const QString& count, const QString& xs, const QString& defl)
{
    return QStringLiteral("WESPAR  HEADER\r\nR9 test rotor\r\n") + count + QStringLiteral("\r\n") + xs + QStringLiteral("\r\n") + defl + QStringLiteral("\r\n");
}

TEST(ReadDeflectionData, TheSampleFileGivesItsCommentAndThirtyTwoPoints)
{
    DeflectionData d;
    const ReaderDiagnostic diag = ReadDeflectionData(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/wespar.mac"), d);
    EXPECT_TRUE(diag.complete());
    EXPECT_EQ(d.FileComment, QStringLiteral("R1 compressor rotor  gravity sag on bearing springs (mm)"));
    ASSERT_EQ(d.n, 32);
    ASSERT_EQ(d.xs.size(), 32u);
    EXPECT_EQ(d.xs[0], 0.f);
    EXPECT_EQ(d.xs[1], 40.f);
    EXPECT_EQ(d.xs[17], 635.f);
    EXPECT_EQ(d.defl[0], 0.01387f);
    EXPECT_EQ(d.defl[15], 0.07873f);
}

// The label is six columns wide: the first field starts at column 7, so a
// field that fills all eleven of its columns keeps its first digit.
TEST(ReadDeflectionData, FieldsStartAtColumnSevenAndAreElevenWide)
{
    DeflectionData d;
    ReadDeflectionDataText(QStringLiteral("t"),
        file(QStringLiteral("  3"), QStringLiteral("X(mm) 12345.67890 -3.5e1xxxx        7.5"), QStringLiteral("W(mm)      -0.125    junk      0.25")), d);
    ASSERT_EQ(d.n, 3);
    EXPECT_EQ(d.xs, (std::vector<float> { 12345.67890f, -35.f, 7.5f }));
    EXPECT_EQ(d.defl, (std::vector<float> { -0.125f, 0.f, 0.25f }));
}

TEST(ReadDeflectionData, ACountBeyondTheLineReadsTheMissingFieldsAsZero)
{
    DeflectionData d;
    const ReaderDiagnostic diag = ReadDeflectionDataText(QStringLiteral("t"), file(QStringLiteral("5"), QStringLiteral("X(mm)        1.0        2.0"), QStringLiteral("W(mm)        0.5")), d);
    EXPECT_TRUE(diag.complete());
    EXPECT_EQ(d.xs, (std::vector<float> { 1, 2, 0, 0, 0 }));
    EXPECT_EQ(d.defl, (std::vector<float> { 0.5, 0, 0, 0, 0 }));
}

TEST(ReadDeflectionData, CountsTheFileCannotHoldStopTheReadWithoutTables)
{
    for (const QString& count : { QStringLiteral("-4"), QStringLiteral("40000"), QStringLiteral("1e9"), QStringLiteral("many") }) {
        DeflectionData d;
        const ReaderDiagnostic diag = ReadDeflectionDataText(QStringLiteral("t"), file(count, QStringLiteral("X(mm)        1.0"), QStringLiteral("W(mm)        2.0")), d);
        EXPECT_FALSE(diag.complete()) << count.toStdString();
        EXPECT_EQ(d.n, 0) << count.toStdString();
        EXPECT_EQ(d.xs.size(), 0u) << count.toStdString();
        EXPECT_EQ(d.FileComment, QStringLiteral("R9 test rotor")) << count.toStdString();
    }
}

TEST(ReadDeflectionData, ATruncatedFileKeepsWhatItHeld)
{
    DeflectionData d;
    ReaderDiagnostic diag = ReadDeflectionDataText(QStringLiteral("t"), QStringLiteral("h\r\nc\r\n 2\r\nX(mm)        1.0        2.0\r\n"), d);
    EXPECT_FALSE(diag.complete());
    EXPECT_EQ(d.xs, (std::vector<float> { 1, 2 }));
    EXPECT_EQ(d.defl, (std::vector<float> { 0, 0 }));

    diag = ReadDeflectionDataText(QStringLiteral("t"), QStringLiteral("h\r\nonly the comment"), d);
    EXPECT_FALSE(diag.complete());
    EXPECT_EQ(d.FileComment, QStringLiteral("only the comment"));
}

TEST(ReadDeflectionData, AFileThatCannotBeOpenedKeepsThePreviousData)
{
    DeflectionData d;
    ReadDeflectionDataText(QStringLiteral("t"), file(QStringLiteral("1"), QStringLiteral("X(mm)        1.0"), QStringLiteral("W(mm)        2.0")), d);
    EXPECT_FALSE(ReadDeflectionData(QStringLiteral("/nonexistent/wespar.mac"), d).complete());
    EXPECT_EQ(d.FileComment, QStringLiteral("R9 test rotor"));
    EXPECT_EQ(d.defl, (std::vector<float> { 2 }));
}

} // namespace
} // namespace kavel::test
