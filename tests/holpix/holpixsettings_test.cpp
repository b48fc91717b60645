#include "holpix/holpixsettings.h"

#include "support/qtprint.h"
#include "support/settingsfile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kavel::test {
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
    EXPECT_TRUE(readsToItsEnd(ReadChartSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/holpix/holpix.tmp"), s.layout())));
    EXPECT_TRUE(axisIs(s.X, 100, 100000, 10000, 21));
    EXPECT_TRUE(axisIs(s.Y, 10, 10000, 1000, 15));
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

} // namespace
} // namespace kavel::test
