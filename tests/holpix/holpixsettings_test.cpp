#include "holpix/holpixsettings.h"

#include "support/qtprint.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kavel;

namespace {

QByteArray sampleBytes()
{
    QFile file(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/holpix/holpix.tmp"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HolpixSettings, TheBundledFileReadsItemByItemAndWritesBackByteForByte)
{
    const QByteArray sample = sampleBytes();
    ASSERT_FALSE(sample.isEmpty());
    HolpixSettings s;
    const ReaderDiagnostic d = ReadChartSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/holpix/holpix.tmp"), s.layout());
    EXPECT_TRUE(d.complete()) << d.toString().toStdString();
    EXPECT_EQ(s.X.min, 100);
    EXPECT_EQ(s.X.max, 100000);
    EXPECT_EQ(s.X.pitch, 10000);
    EXPECT_EQ(s.X.length, 21);
    EXPECT_EQ(s.Y.min, 10);
    EXPECT_EQ(s.Y.max, 10000);
    EXPECT_EQ(s.Y.pitch, 1000);
    EXPECT_EQ(s.Y.length, 15);
    EXPECT_EQ(s.FrameWidth, 3);
    EXPECT_EQ(s.SpareFlag, 0);
    EXPECT_EQ(s.XTitle, QString::fromUtf8("軸受ばね定数 (kgf/mm)"));
    EXPECT_EQ(s.YTitle, QString::fromUtf8("振動数 (Hz)"));
    EXPECT_EQ(s.Title, QString::fromUtf8("危険速度マップ  R1 圧縮機ロータ"));
    EXPECT_EQ(FormatChartSettings(s.layout()), sample);

    QFile factory(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/holpix/holpix.org"));
    ASSERT_TRUE(factory.open(QIODevice::ReadOnly));
    EXPECT_EQ(factory.readAll(), sample);
}

TEST(HolpixSettings, LineThreeHoldsTwoItemsAndTheTitlesFollowIt)
{
    HolpixSettings s;
    s.X = { 5, 5000, 500, 20 };
    s.Y = { 0.5, 500, 50, 12.5 };
    s.FrameWidth = 2;
    s.SpareFlag = -7;
    s.XTitle = QStringLiteral("k, kgf/mm");
    s.YTitle = QString();
    s.Title = QStringLiteral("Map");
    const QByteArray expected = " 5   5000   500   20 \r\n"
                                " .5   500   50   12.5 \r\n"
                                " 2  -7 \r\n"
                                "k, kgf/mm\r\n"
                                "\r\n"
                                "Map\r\n";
    EXPECT_EQ(FormatChartSettings(s.layout()), expected);

    HolpixSettings back;
    EXPECT_TRUE(ReadChartSettingsText(QStringLiteral("t"), QString::fromLatin1(expected), back.layout()).complete());
    EXPECT_EQ(back.Y.min, 0.5);
    EXPECT_EQ(back.SpareFlag, -7);
    EXPECT_EQ(back.XTitle, s.XTitle);
    EXPECT_EQ(back.YTitle, QString());
    EXPECT_EQ(back.Title, s.Title);
}

} // namespace
