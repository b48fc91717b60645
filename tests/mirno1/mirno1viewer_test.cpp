#include "mirno1/mirno1viewer.h"

#include "support/files.h"
#include "support/qtprint.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QString kSample = QStringLiteral(KAVEL_SAMPLE_ROOT "/data/mirno1.mac");

// The export's --option modeShown=…: eleven flags of 0 or 1, nothing else.
TEST(Mirno1Viewer, ModeShownTakesElevenFlags)
{
    Mirno1Viewer v;
    EXPECT_EQ(v.modeShown, ModeFlags::atStart());
    EXPECT_TRUE(v.setOption(QStringLiteral("modeShown"), QStringLiteral("1,0,1,0,0,0,0,0,0,0,0").split(QLatin1Char(','))));
    EXPECT_EQ(v.modeShown, (ModeFlags { 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_FALSE(v.setOption(QStringLiteral("modeShown"), QStringLiteral("1,0,1,0,0,0,0,0,0,0").split(QLatin1Char(','))));
    EXPECT_FALSE(v.setOption(QStringLiteral("modeShown"), QStringLiteral("2,0,1,0,0,0,0,0,0,0,0").split(QLatin1Char(','))));
    EXPECT_FALSE(v.setOption(QStringLiteral("ShowNumbers"), { QStringLiteral("1") }));
    EXPECT_EQ(v.modeShown, (ModeFlags { 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
}

// Start-up hands the outline path over first (an export's --outline too);
// it is read after the result, and only when the result was read whole.
TEST(Mirno1Viewer, TheOutlineGivenIsReadAfterAWholeResultOnly)
{
    QTemporaryDir dir;
    const QString outlinePath = dir.filePath(QStringLiteral("outline.mac"));
    ASSERT_TRUE(writeFile(outlinePath, "h\r\nother rotor\r\n 1\r\n 1 0 0 0\r\n 1 0 100 0\r\n 1 400 100 0\r\n 1 400 0 0\r\n"));

    Mirno1Viewer v;
    v.readOutline(outlinePath);
    EXPECT_EQ(v.outline.N, 0);
    EXPECT_TRUE(v.readData(kSample).complete());
    EXPECT_EQ(v.outline.FileComment, QStringLiteral("other rotor"));
    EXPECT_EQ(v.outline.N, 4);

    // The file dialog's read leaves the outline as it is.
    v.outline.N = 0;
    v.outline.points.clear();
    EXPECT_TRUE(v.readData(kSample).complete());
    EXPECT_EQ(v.outline.N, 0);

    Mirno1Viewer broken;
    broken.loadOutline(outlinePath);
    EXPECT_FALSE(broken.loadData(dir.filePath(QStringLiteral("missing.mac"))).complete());
    EXPECT_EQ(broken.outline.N, 0);
    // The reading report says the outline was not read, and why.
    EXPECT_EQ(broken.readings.outline.file, outlinePath);
    EXPECT_TRUE(broken.readings.outline.reason.contains(QStringLiteral("missing.mac"))) << broken.readingReport().toStdString();

    // A whole result and an outline that breaks off: the outline's line is reported.
    ASSERT_TRUE(writeFile(outlinePath, "h\r\nother rotor\r\n 2\r\n 1 0 0 0\r\n"));
    Mirno1Viewer cut;
    cut.loadOutline(outlinePath);
    EXPECT_TRUE(cut.loadData(kSample).complete());
    EXPECT_EQ(cut.readings.data.file, kSample);
    EXPECT_EQ(cut.readings.outline.file, outlinePath);
    EXPECT_FALSE(cut.readings.outline.complete());
    EXPECT_GT(cut.readings.outline.line, 3);
}

} // namespace
} // namespace kavel::test
