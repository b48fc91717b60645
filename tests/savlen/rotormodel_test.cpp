#include "framework/models/rotormodel.h"

#include "framework/chart/chartframe.h"
#include "savlen/savlensettings.h"

#include "support/qtprint.h"
#include "support/readfile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QString kTwoElements = QStringLiteral(
    "SAVLEN HEADER\r\n comment, kept whole \r\n 2\r\n"
    " 1 0 0 0\r\n 1 0 60 20\r\n 1 100 60 20\r\n 1 100 0 0\r\n"
    " 2 100 0 0\r\n 2,100,40,0 2 300 40 0\r\n 2 300\r\n 0 0\r\n");

} // namespace

TEST(RotorModel, ReadsFourPointsPerElementAsAStreamOfFields)
{
    RotorModel m;
    EXPECT_TRUE(ReadRotorModelText(QStringLiteral("savlen.mac"), kTwoElements, m).complete());
    EXPECT_EQ(m.FileComment, " comment, kept whole ");
    ASSERT_EQ(m.N, 8);
    EXPECT_EQ(m.point(2).D, 60);
    EXPECT_EQ(m.point(2).d, 20.f);
    EXPECT_EQ(m.point(6).x, 100);
    EXPECT_EQ(m.point(6).D, 40);
    EXPECT_EQ(m.point(7).number, 2);
    EXPECT_EQ(m.point(8).x, 300);
}

TEST(RotorModel, FileBreakingOffKeepsTheCountAndZeroPoints)
{
    RotorModel m;
    const auto diagnostic = ReadRotorModelText(QStringLiteral("savlen.mac"), QStringLiteral("h\r\nc\r\n 2\r\n 1 0 0 0\r\n 1 0 60 x"), m);
    EXPECT_FALSE(diagnostic.complete());
    EXPECT_EQ(diagnostic.line, 5);
    ASSERT_EQ(m.N, 8);
    EXPECT_EQ(m.point(2).D, 60);
    EXPECT_EQ(m.point(2).d, 0.f);
    EXPECT_EQ(m.point(8).x, 0);
}

TEST(RotorModel, CountBeyondWhatTheFileCanHoldIsNotAllocated)
{
    RotorModel m;
    EXPECT_FALSE(ReadRotorModelText(QStringLiteral("m"), QStringLiteral("h\nc\n 1000000000\n 1 0 0 0\n"), m).complete());
    EXPECT_LE(m.N, 4 * 32767);
    RotorModel negative;
    EXPECT_FALSE(ReadRotorModelText(QStringLiteral("m"), QStringLiteral("h\nc\n -5\n"), negative).complete());
    EXPECT_EQ(negative.N, 0);
    RotorModel zero;
    EXPECT_TRUE(ReadRotorModelText(QStringLiteral("m"), QStringLiteral("h\nc\n 0\n"), zero).complete());
    EXPECT_EQ(zero.N, 0);
    EXPECT_EQ(zero.FileComment, "c");
}

TEST(RotorModel, MissingFileKeepsThePreviousModel)
{
    RotorModel m;
    ReadRotorModelText(QStringLiteral("m"), kTwoElements, m);
    EXPECT_FALSE(ReadRotorModel(QStringLiteral("/nonexistent/kavel/none.mac"), m).complete());
    EXPECT_EQ(m.N, 8);
    EXPECT_EQ(m.FileComment, " comment, kept whole ");
}

TEST(RotorModel, ScalingHalvesDiametersAndMirrorsTheLowerHalf)
{
    RotorModel m;
    ReadRotorModelText(QStringLiteral("m"), kTwoElements, m);
    const auto g = ChartGeometry::compute({ 0, 300, 100, 15 }, { -50, 50, 10, 10 }, { 5, 18 });
    ScaledRotor both;
    ASSERT_TRUE(ScaleRotorModel(m, *g, true, both));
    EXPECT_FLOAT_EQ(both.cx[2], 10);       // x 100 → 5 + 0.05 × 100
    EXPECT_FLOAT_EQ(both.cyOuter[0][1], 10); // zero line at 13, radius 30 → 3 up
    EXPECT_FLOAT_EQ(both.cyOuter[1][1], 16);
    EXPECT_FLOAT_EQ(both.cyInner[0][1], 12);
    EXPECT_FLOAT_EQ(both.cyInner[1][1], 14);
    EXPECT_FLOAT_EQ(both.cyInner[0][5], 13) << "a solid shaft's bore lies on the zero line";

    ScaledRotor upper;
    ASSERT_TRUE(ScaleRotorModel(m, *g, false, upper));
    EXPECT_FLOAT_EQ(upper.cyOuter[1][1], 0);

    m.points[1].D = 1e300;
    EXPECT_FALSE(ScaleRotorModel(m, *g, true, both)) << "an overflow stops the scaling";
}

TEST(SavlenSettings, BundledSettingsFileReadsAndWritesBackByteForByte)
{
    const QString path = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/savlen/savlen.org");
    SavlenSettings s;
    ASSERT_TRUE(ReadChartSettings(path, s.layout()).complete());
    EXPECT_EQ(s.X.max, 1200);
    EXPECT_EQ(s.Y.min, -250);
    EXPECT_EQ(s.ContourMode, 1);
    EXPECT_EQ(s.YTitle, QString::fromUtf8("半径 (mm)"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(FormatChartSettings(s.layout()), f.readAll());
}

TEST(RotorModel, BundledSampleRotorReadsToItsEnd)
{
    RotorModel m;
    EXPECT_TRUE(readsToItsEnd(ReadRotorModel(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/savlen.mac"), m)));
    EXPECT_EQ(m.N, 124);
    EXPECT_EQ(m.point(124).x, 1200);
}

} // namespace kavel::test
