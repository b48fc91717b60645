#include "wespar/wesparsettings.h"

#include "support/settingsfile.h"
#include "support/qtprint.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

TEST(WesparSettings, TheBundledFilesReadToTheirEndAndWriteBackByteForByte)
{
    for (const char* name : { "wespar.tmp", "wespar.org" })
        readSettingsWrittenBack<WesparSettings>(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/wespar/") + QLatin1String(name));
}

TEST(WesparSettings, LineFourHoldsFrameWidthCurveWidthAndContourMode)
{
    WesparSettings s;
    ASSERT_TRUE(ReadChartSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/wespar/wespar.tmp"), s.layout()).complete());
    EXPECT_EQ(s.X.length, 21);
    EXPECT_EQ(s.Y.min, -.1);
    EXPECT_EQ(s.R.max, 250);
    EXPECT_EQ(s.FrameWidth, 3);
    EXPECT_EQ(s.CurveWidth, 2);
    EXPECT_EQ(s.ContourMode, 1);
    EXPECT_EQ(s.Title, QString::fromUtf8("自重たわみ  R1 圧縮機ロータ"));
}

TEST(WesparSettings, AFileEndingAfterTheAxesKeepsTheRest)
{
    WesparSettings s;
    s.CurveWidth = 4;
    s.Title = QStringLiteral("kept");
    EXPECT_FALSE(ReadChartSettingsText(QStringLiteral("t"), QStringLiteral(" 0 1 1 1\r\n 0 1 1 1\r\n 0 1 1 1\r\n 2\r\n"), s.layout()).complete());
    EXPECT_EQ(s.FrameWidth, 2);
    EXPECT_EQ(s.CurveWidth, 4);
    EXPECT_EQ(s.Title, QStringLiteral("kept"));
}

} // namespace
} // namespace kavel::test
