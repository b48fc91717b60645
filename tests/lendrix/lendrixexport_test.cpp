#include "support/chartops.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "lendrix/lendrixviewer.h"

#include <gtest/gtest.h>

using namespace kavel;

namespace {

std::unique_ptr<LendrixViewer> sampleViewer()
{
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("lendrix"));
    auto* lendrix = dynamic_cast<LendrixViewer*>(viewer.get());
    if (!lendrix)
        return nullptr;
    viewer.release();
    std::unique_ptr<LendrixViewer> out(lendrix);
    out->readSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/lendrix/lendrix.tmp"));
    out->readOutline(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/savlen.mac"));
    out->readData(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/lendrix.mac"));
    return out;
}

QStringList values(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

} // namespace

TEST(LendrixExport, ModeFlagsTakeElevenValuesAndChooseTheColumns)
{
    std::unique_ptr<LendrixViewer> viewer = sampleViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_GT(viewer->model.rotor.N, 0);
    const OpList all = RecordChart(*viewer, SurfaceKind::Printer);
    const std::optional<QStringList> frequencies = FrequencyText(viewer->model);
    ASSERT_TRUE(frequencies);
    EXPECT_TRUE(test::textsOf(all).contains(QStringLiteral("No.6   %1  Hz").arg(frequencies->back())));
    EXPECT_EQ(all.back(), SurfaceOp(Op::EndDocument {}));

    ASSERT_TRUE(viewer->setOption(QStringLiteral("modeFlags"), values("0,0,1,0,0,0,0,0,0,0,0")));
    EXPECT_EQ(viewer->modeFlags, (LendrixModeFlags { 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
    const OpList one = RecordChart(*viewer, SurfaceKind::Screen);
    // Column 3 alone, in black; nothing in the second curve colour but the sketch.
    EXPECT_EQ(test::linesIn(test::from(one, viewer->settings.YTitle), 1).size(), std::size_t(viewer->model.rotor.N - 1));

    for (const char* bad : { "1", "0,0,0,0,0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0,0,x" })
        EXPECT_FALSE(viewer->setOption(QStringLiteral("modeFlags"), values(bad))) << bad;
    EXPECT_FALSE(viewer->setOption(QStringLiteral("ShowCurve"), values("0,0,0,0,0,0,0,0,0,0,1")));
    EXPECT_EQ(viewer->modeFlags[2], 1);
}
