#include "mirno1/mirno1settings.h"
#include "mirno1/modeshapefiles.h"

#include "framework/models/rotormodel.h"

#include "support/qtprint.h"
#include "support/settingsfile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QString kSample = QStringLiteral(KAVEL_SAMPLE_ROOT "/data/mirno1.mac");
const QString kOutline = QStringLiteral(KAVEL_SAMPLE_ROOT "/data/savlen.mac");

TEST(ReadModeShapeResult, TheSampleHoldsSixModesOfThirtyTwoStationsInBothDirections)
{
    PlanarModeShapes s;
    EXPECT_TRUE(ReadModeShapeResult(kSample, s).complete());
    EXPECT_EQ(s.FileComment, QStringLiteral("R1 compressor rotor  undamped planar modes at standstill"));
    EXPECT_EQ(s.N1, 32);
    EXPECT_EQ(s.N2, 6);
    ASSERT_EQ(s.stationPos.size(), 32u);
    EXPECT_EQ(s.stationPos[1], 40.f);
    EXPECT_EQ(s.stationPos[31], 1200.f);
    EXPECT_EQ(s.modeShape(1, 1, 0), 0.14649f);
    EXPECT_EQ(s.modeShape(16, 1, 0), 1.f);
    EXPECT_EQ(s.modeShape(1, 1, 1), 0.14649f);
    EXPECT_EQ(s.modeShape(1, 2, 0), 1.f);
    EXPECT_EQ(s.modeShape(33, 1, 0), 0.f);
    EXPECT_EQ(s.modeShape(1, 7, 0), 0.f);
}

// A 7-character label: the first field is columns 8 to 18.
TEST(ReadModeShapeResult, FieldsStartAtColumnEight)
{
    PlanarModeShapes s;
    EXPECT_TRUE(ReadModeShapeResultText(QStringLiteral("t"),
        QStringLiteral("h\r\nc\r\n 2 1\r\n Z(mm)912345.67890     -2.5\r\n  1-H  x0.5       0.25\r\n  1-V        7\r\n"), s).complete());
    EXPECT_EQ(s.stationPos, (std::vector<float> { 12345.67890f, -2.5f }));
    EXPECT_EQ(s.modeShape(1, 1, 0), 0.f);
    EXPECT_EQ(s.modeShape(2, 1, 0), 0.25f);
    EXPECT_EQ(s.modeShape(1, 1, 1), 7.f);
    EXPECT_EQ(s.modeShape(2, 1, 1), 0.f);
}

TEST(ReadModeShapeResult, CountsTheFileCannotHoldCostNothingAndStopAtTheEnd)
{
    PlanarModeShapes s;
    EXPECT_FALSE(ReadModeShapeResultText(QStringLiteral("t"), QStringLiteral("h\r\nc\r\n 32767 32767\r\n Z(mm)        1.0\r\n  1-H        2.0\r\n"), s).complete());
    EXPECT_EQ(s.N1, 32767);
    EXPECT_EQ(s.N2, 32767);
    EXPECT_EQ(s.stationPos[0], 1.f);
    EXPECT_EQ(s.modeShape(1, 1, 0), 2.f);
    EXPECT_EQ(s.modeShape(32767, 32767, 1), 0.f);

    for (const char* counts : { "-1 2", "2 -1", "40000 1", "x 1" }) {
        PlanarModeShapes t;
        EXPECT_FALSE(ReadModeShapeResultText(QStringLiteral("t"), QStringLiteral("h\r\nc\r\n%1\r\n Z(mm)        1.0\r\n").arg(QLatin1String(counts)), t).complete())
            << counts;
        EXPECT_TRUE(t.stationPos.empty()) << counts;
        EXPECT_EQ(t.N2, 0) << counts;
    }
}

TEST(ReadModeShapeFiles, AResultThatBreaksOffLeavesTheOutlineUnread)
{
    PlanarModeShapes s;
    RotorModel outline;
    EXPECT_TRUE(ReadModeShapeFiles(kSample, kOutline, s, outline).complete());
    EXPECT_GT(outline.N, 0);
    EXPECT_FALSE(outline.FileComment.isEmpty());

    RotorModel untouched;
    EXPECT_FALSE(ReadModeShapeFiles(QStringLiteral("/nonexistent/mirno1.mac"), kOutline, s, untouched).complete());
    EXPECT_EQ(untouched.N, 0);
    // The result that could not be opened changed nothing.
    EXPECT_EQ(s.N2, 6);
}

TEST(Mirno1Settings, TheBundledFilesReadToTheirEndAndWriteBackByteForByte)
{
    for (const char* name : { "mirno1.tmp", "mirno1.org" }) {
        const QString path = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/mirno1/") + QLatin1String(name);
        const Mirno1Settings s = readSettingsWrittenBack<Mirno1Settings>(path);
        EXPECT_EQ(s.FrameWidth, 3) << name;
        EXPECT_EQ(s.Y.length, 10) << name;
    }
}

} // namespace
} // namespace kavel::test
