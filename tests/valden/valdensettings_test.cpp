#include "valden/valdensettings.h"

#include "framework/reading/textfile.h"

#include "support/files.h"
#include "support/settingsfile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QString kWorking = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/valdens/valdens.tmp");
const QString kFactory = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/valdens/valdens.org");

ReaderDiagnostic read(const QByteArray& bytes, ValdenSettings& s)
{
    return ReadChartSettingsText(QStringLiteral("valdens.tmp"), TextFile::decode(bytes), s.layout());
}

} // namespace

TEST(ValdenSettings, BundledFileReadsInItsItemOrder)
{
    const ValdenSettings s = readSettings<ValdenSettings>(kWorking);
    // Both ranges come before both pitches.
    EXPECT_TRUE(axisIs(s.xAxis(), 0, 200, 25, 20));
    EXPECT_TRUE(axisIs(s.yAxis(), 0, 350, 50, 14));
    EXPECT_TRUE(axisIs(s.reAxis(), -800, 200, 200, 16));
    EXPECT_TRUE(axisIs(s.imAxis(), 0, 2000, 250, 13));
    EXPECT_EQ(s.FrameWidth, 3);
    EXPECT_EQ(s.CurveWidth, 2);
    EXPECT_EQ(s.XYXTitle, QString::fromUtf8("回転数 (rps)"));
    EXPECT_EQ(s.GaussXTitle, QStringLiteral("Re (1/s)"));
    EXPECT_EQ(s.DampingTitle, QString::fromUtf8("減衰比"));
    EXPECT_EQ(s.GaussYTitle, QStringLiteral("Im (rad/s)"));
    EXPECT_EQ(s.FrequencyTitle, QString::fromUtf8("固有振動数 (Hz)"));
    EXPECT_TRUE(s.XYTitle.endsWith(QString::fromUtf8("R1 圧縮機ロータ")));
    EXPECT_TRUE(s.GaussTitle.endsWith(QString::fromUtf8("R1 圧縮機ロータ")));
}

TEST(ValdenSettings, BundledFilesWriteBackByteForByte)
{
    for (const QString& path : { kWorking, kFactory, QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/valden/valden.org") }) {
        const QByteArray bytes = fileBytes(path);
        ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
        ValdenSettings s;
        ASSERT_TRUE(read(bytes, s).complete()) << path.toStdString();
        EXPECT_EQ(FormatChartSettings(s.layout()), bytes) << path.toStdString();
    }
    EXPECT_EQ(fileBytes(kFactory), fileBytes(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/valden/valden.org")));
}

TEST(ValdenSettings, ChartHeightsAreSinglesWrittenInTheirShortForm)
{
    ValdenSettings s;
    const QByteArray file = " 0 100 0 50 10 10 20 14.1\r\n"
                            "-20 5 0 100 5 50 10 12.123456789\r\n"
                            " 2.5 1\r\nX\r\nGX\r\nD\r\nGY\r\nF\r\nT\r\nGT\r\n";
    ASSERT_TRUE(read(file, s).complete());
    EXPECT_EQ(s.Ylength, 14.1f);
    EXPECT_EQ(s.ImLength, float(12.123456789));
    // Seven digits (12.12346) would read back as another single.
    const QByteArray expected = " 0   100   0   50   10   10   20   14.1 \r\n"
                                "-20   5   0   100   5   50   10   12.123457 \r\n"
                                " 2.5   1 \r\nX\r\nGX\r\nD\r\nGY\r\nF\r\nT\r\nGT\r\n";
    EXPECT_EQ(FormatChartSettings(s.layout()), expected);

    // A single that seven digits do not hold gets the digits it needs.
    s.Ylength = 16777215.f;
    s.ImLength = 0.1f;
    const QByteArray written = FormatChartSettings(s.layout());
    EXPECT_TRUE(written.startsWith(" 0   100   0   50   10   10   20   16777215 \r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("   10   .1 \r\n")) << written.toStdString();
    ValdenSettings back;
    ASSERT_TRUE(read(written, back).complete());
    EXPECT_EQ(back.Ylength, 16777215.f);
    EXPECT_EQ(back.ImLength, 0.1f);
}

TEST(ValdenSettings, AHeightBeyondTheSingleRangeStopsTheRead)
{
    ValdenSettings s;
    s.Ylength = 7;
    const ReaderDiagnostic diagnostic = read(" 1 2 3 4 5 6 7 1E+39\r\n-1 1 -1 1 1 1 9 9\r\n 1 1\r\n", s);
    EXPECT_FALSE(diagnostic.complete());
    EXPECT_EQ(s.Xlength, 7) << "the items before it are read";
    EXPECT_EQ(s.Ylength, 7.f) << "the height keeps its value";
    EXPECT_EQ(s.ReMin, 0) << "nothing after it is read";
}

} // namespace kavel::test
