#include "mirno1/mirno1viewer.h"

#include "support/qtprint.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kavel;

namespace {

const QString kSample = QStringLiteral(KAVEL_SAMPLE_ROOT "/data/mirno1.mac");

// The export's --option modeShown=…: eleven flags of 0 or 1, nothing else.
TEST(Mirno1Viewer, ModeShownTakesElevenFlags)
{
    Mirno1Viewer v;
    EXPECT_EQ(v.modeShown, InitialModeShown());
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
    QFile f(outlinePath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("h\r\nother rotor\r\n 1\r\n 1 0 0 0\r\n 1 0 100 0\r\n 1 400 100 0\r\n 1 400 0 0\r\n");
    f.close();

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
    broken.readOutline(outlinePath);
    EXPECT_FALSE(broken.readData(dir.filePath(QStringLiteral("missing.mac"))).complete());
    EXPECT_EQ(broken.outline.N, 0);
}

} // namespace
