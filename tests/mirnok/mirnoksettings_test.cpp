#include "mirnok/mirnoksettings.h"

#include "framework/reading/textfile.h"

#include "support/qtprint.h"
#include "support/readfile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

QByteArray sampleBytes()
{
    QFile file(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/mirnok/mirnok.tmp"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

TEST(MirnokSettings, TheBundledFileReadsToItsEndAndWritesBackByteForByte)
{
    MirnokSettings s;
    EXPECT_TRUE(readsToItsEnd(ReadChartSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/mirnok/mirnok.tmp"), s.layout())));
    EXPECT_EQ(s.zMin, 0);
    EXPECT_EQ(s.zMax, 1200);
    EXPECT_EQ(s.zPitch, 200);
    EXPECT_EQ(s.zChart, 14);
    EXPECT_EQ(s.viewAngle, -20);
    EXPECT_EQ(s.xyMin, -2.5);
    EXPECT_EQ(s.xyMax, 1);
    EXPECT_EQ(s.xyPitch, .5);
    EXPECT_EQ(s.xyChart, 10.5);
    EXPECT_EQ(s.FrameWidth, 3);
    EXPECT_EQ(s.SpareFlag, 0);
    EXPECT_EQ(s.zTitle, QString::fromUtf8("軸方向位置 (mm)"));
    EXPECT_EQ(s.xTitle, QString::fromUtf8("水平 (mm)"));
    EXPECT_EQ(s.yTitle, QString::fromUtf8("垂直 (mm)"));
    EXPECT_EQ(s.chartTitle, QString::fromUtf8("複素固有モード  50 rps"));
    EXPECT_EQ(s.animStep, 10);
    EXPECT_EQ(FormatChartSettings(s.layout()), sampleBytes());
}

TEST(MirnokSettings, EightLinesWithTheStepAfterTheTitles)
{
    MirnokSettings s;
    s.zMin = -100;
    s.zMax = 900;
    s.zPitch = 100;
    s.zChart = 16;
    s.viewAngle = 30;
    s.xyMin = 0;
    s.xyMax = 2;
    s.xyPitch = .25;
    s.xyChart = 8;
    s.FrameWidth = 2.5;
    s.SpareFlag = 7;
    s.zTitle = QStringLiteral("z, axial");
    s.chartTitle = QStringLiteral("T");
    s.animStep = 12.3;
    const QByteArray bytes = FormatChartSettings(s.layout());
    EXPECT_EQ(bytes, QByteArray("-100   900   100   16   30 \r\n 0   2   .25   8 \r\n 2.5   7 \r\nz, axial\r\n\r\n\r\nT\r\n 12.3 \r\n"));

    MirnokSettings back;
    EXPECT_TRUE(readsToItsEnd(ReadChartSettingsText(QStringLiteral("t"), QString::fromLatin1(bytes), back.layout())));
    EXPECT_EQ(FormatChartSettings(back.layout()), bytes);
}

TEST(MirnokSettings, AFileWithoutTheStepLineKeepsTheStep)
{
    QByteArray bytes = sampleBytes();
    bytes.chop(QByteArray(" 10 \r\n").size());
    MirnokSettings s;
    s.animStep = 7;
    const ReaderDiagnostic d = ReadChartSettingsText(QStringLiteral("t"), TextFile::decode(bytes), s.layout());
    EXPECT_FALSE(d.complete());
    EXPECT_EQ(s.viewAngle, -20);
    EXPECT_EQ(s.animStep, 7);
}

} // namespace
} // namespace kavel::test
