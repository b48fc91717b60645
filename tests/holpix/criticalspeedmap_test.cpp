#include "holpixtesting.h"

#include "support/readfile.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

ReaderDiagnostic read(const QString& text, CriticalSpeedMap& map)
{
    return ReadCriticalSpeedMapText(QStringLiteral("test.mac"), text, map);
}

TEST(ReadCriticalSpeedMap, ThirtyOneLineFileFillsEveryValueInBlockOrder)
{
    const QString oneLine = mapText(3, 2);
    ASSERT_EQ(oneLine.count(QStringLiteral("\r\n")), 31);
    // The counts may as well stand on two lines.
    for (const QString& text : { oneLine, QString(oneLine).replace(QStringLiteral("3 2\r\n"), QStringLiteral("  3\r\n  2  \r\n")) }) {
        CriticalSpeedMap map;
        EXPECT_TRUE(readsToItsEnd(read(text, map)));
        EXPECT_EQ(map.FileComment, QStringLiteral("Test comment"));
        EXPECT_EQ(map.pointCount, 3);
        EXPECT_EQ(map.modeCount, 2);
        EXPECT_EQ(map.stiffness, (std::vector<float> { 0, 10, 100, 1000 }));
        for (int j = 1; j <= 2; ++j) {
            for (int k = 0; k < 3; ++k) {
                for (int i = 1; i <= 3; ++i)
                    EXPECT_EQ(map.frequency(i, j, k), float(100 * j + 10 * k + i)) << i << j << k;
            }
        }
        EXPECT_EQ(map.frequency(0, 1, 0), 0);
    }
}

TEST(ReadCriticalSpeedMap, ValueLinesAreTakenByTheirLeadingNumber)
{
    QString text = mapText(3, 1);
    text.replace(QStringLiteral("  1.0E+01\r\n"), QStringLiteral("  1.5E+03 kgf/mm\r\n"));
    text.replace(QStringLiteral("  1.0E+02\r\n"), QStringLiteral("stiff\r\n"));
    text.replace(QStringLiteral("  101\r\n"), QStringLiteral("\r\n"));
    text.replace(QStringLiteral("  102\r\n"), QStringLiteral("  -2.5D1, 7\r\n"));
    CriticalSpeedMap map;
    EXPECT_TRUE(read(text, map).complete());
    EXPECT_EQ(map.stiffness[1], 1500);
    EXPECT_EQ(map.stiffness[2], 0);
    EXPECT_EQ(map.frequency(1, 1, 0), 0);
    EXPECT_EQ(map.frequency(2, 1, 0), -25);
}

TEST(ReadCriticalSpeedMap, TheBundledSampleReadsToItsEnd)
{
    const CriticalSpeedMap map = readFile<CriticalSpeedMap>(ReadCriticalSpeedMap, QStringLiteral(KAVEL_SAMPLE_ROOT "/data/holpix.mac"));
    EXPECT_EQ(map.FileComment, QStringLiteral("R1 compressor rotor  critical speed map  isotropic supports"));
    EXPECT_EQ(map.pointCount, 25);
    EXPECT_EQ(map.modeCount, 5);
    EXPECT_EQ(map.stiffness[25], 1e5f);
    EXPECT_EQ(map.frequency(1, 1, 0), 16.031f);
    EXPECT_EQ(map.frequency(1, 1, 1), 16.0236f);
    EXPECT_NE(map.frequency(25, 5, 2), 0.0f);
}

TEST(ReadCriticalSpeedMap, AFileThatBreaksOffKeepsWhatWasReadAndTheRestZero)
{
    const QString full = mapText(3, 2);
    const QString text = full.left(full.indexOf(QStringLiteral("  202\r\n")) + 7);
    CriticalSpeedMap map = readMap(mapText(4, 3));
    const ReaderDiagnostic d = read(text, map);
    // The line that should have held the next value.
    EXPECT_EQ(d.line, 23);
    EXPECT_EQ(map.pointCount, 3);
    EXPECT_EQ(map.modeCount, 2);
    EXPECT_EQ(map.frequencies.size(), 4u * 3 * 3);
    EXPECT_EQ(map.frequency(3, 1, 2), 123);
    EXPECT_EQ(map.frequency(2, 2, 0), 202);
    EXPECT_EQ(map.frequency(3, 2, 0), 0);
    EXPECT_EQ(map.frequency(1, 2, 1), 0);
}

TEST(ReadCriticalSpeedMap, AFileWithoutItsCountsKeepsThePreviousCurves)
{
    CriticalSpeedMap map = readMap(mapText(3, 2));
    EXPECT_FALSE(ReadCriticalSpeedMap(QStringLiteral("/no/such/holpix.mac"), map).complete());
    EXPECT_EQ(map.FileComment, QStringLiteral("Test comment"));
    for (const char* counts : { "3 x", "40000 2", "3" }) {
        EXPECT_FALSE(read(QStringLiteral("title\r\nOther\r\n%1\r\n").arg(QLatin1String(counts)), map).complete()) << counts;
        EXPECT_EQ(map.FileComment, QStringLiteral("Other"));
        EXPECT_EQ(map.modeCount, 2) << counts;
        EXPECT_EQ(map.frequency(3, 2, 2), 223) << counts;
    }
}

TEST(ReadCriticalSpeedMap, CountsTheFileCannotHoldAllocateNoMoreThanASmallMap)
{
    CriticalSpeedMap map;
    ReaderDiagnostic d = read(QStringLiteral("t\r\nc\r\n32767 32767\r\nh\r\n1\r\n2\r\n"), map);
    EXPECT_TRUE(d.reason.contains(QStringLiteral("more than the file can hold"))) << d.reason.toStdString();
    // Every point and the dialog's six modes are kept, as for a file still
    // being written; no more.
    EXPECT_EQ(map.pointCount, 32767);
    EXPECT_EQ(map.modeCount, 6);
    EXPECT_EQ(map.frequencies.size(), 32768u * 7 * 3);
    EXPECT_EQ(map.stiffness[2], 2);
    // A file that does hold many modes keeps them all.
    EXPECT_EQ(readMap(mapText(2, 9)).frequency(2, 9, 1), 912);

    d = read(QStringLiteral("t\r\nc\r\n3 -1\r\nh\r\n1\r\n"), map);
    EXPECT_EQ(d.reason, QStringLiteral("the counts 3 and -1 are not both 0 or more"));
    EXPECT_EQ(map.pointCount, 0);
    EXPECT_EQ(map.modeCount, 0);
    EXPECT_EQ(map.stiffness.size(), 1u);
}

} // namespace
} // namespace kavel::test
