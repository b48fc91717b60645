#include "zeptal/zeptalsettings.h"

#include "framework/reading/textfile.h"

#include "support/files.h"
#include "support/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QString kWorking = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/zeptal/zeptal.tmp");
const QString kFactory = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/zeptal/zeptal.org");

} // namespace

TEST(ZeptalSettings, BundledFileReadsRangesThenPitchesThenLengths)
{
    const ZeptalSettings s = readSettings<ZeptalSettings>(kWorking);
    EXPECT_TRUE(axisIs(s.xAxis(), 0, 12000, 1000, 20));
    EXPECT_TRUE(axisIs(s.yAxis(), 0, 20, 5, 12));
    EXPECT_EQ(s.FrameWidth, 3);
    EXPECT_EQ(s.CurveWidth, 2);
    EXPECT_TRUE(s.XTitle.endsWith(QStringLiteral("(rpm)")));
    EXPECT_TRUE(s.PhaseTitle.endsWith(QStringLiteral("(deg)")));
    EXPECT_TRUE(s.AmplitudeTitle.contains(QStringLiteral("(")));
    EXPECT_TRUE(s.Title.contains(QStringLiteral("R1")));
}

TEST(ZeptalSettings, BundledFilesWriteBackByteForByte)
{
    for (const QString& path : { kWorking, kFactory })
        readSettingsWrittenBack<ZeptalSettings>(path);
}

TEST(ZeptalSettings, EditedValuesGoToTheirOwnPlacesOnLineOne)
{
    ZeptalSettings s;
    ASSERT_TRUE(ReadChartSettings(kWorking, s.layout()).complete());
    s.Xmin = -1;
    s.Ymin = -2;
    s.Xpitch = 3;
    s.Ylength = 12.3f;
    s.CurveWidth = 4;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zeptal.tmp"));
    ASSERT_EQ(WriteChartSettings(path, s.layout()), QString());
    const QList<QByteArray> lines = fileBytes(path).split('\n');
    EXPECT_EQ(lines[0], QByteArray("-1   12000  -2   20   3   5   20   12.3 \r"));
    EXPECT_EQ(lines[1], QByteArray(" 3   4 \r"));
    ZeptalSettings back;
    ASSERT_TRUE(ReadChartSettings(path, back.layout()).complete());
    EXPECT_EQ(back.Ylength, 12.3f);
    EXPECT_EQ(back.Xpitch, 3);
    EXPECT_EQ(back.Title, s.Title);
}

} // namespace kavel::test
