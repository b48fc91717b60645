#include "support/chartops.h"
#include "support/sampleviewer.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "lendrix/lendrixviewer.h"

#include <gtest/gtest.h>

namespace kavel::test {

TEST(LendrixExport, ModeFlagsTakeElevenValuesAndChooseTheColumns)
{
    std::unique_ptr<LendrixViewer> viewer = sampleViewer<LendrixViewer>();
    EXPECT_GT(viewer->model.rotor.N, 0);
    const OpList all = RecordChart(*viewer, SurfaceKind::Printer);
    const std::optional<QStringList> frequencies = FrequencyText(viewer->model);
    ASSERT_TRUE(frequencies);
    EXPECT_TRUE(textsOf(all).contains(QStringLiteral("No.6   %1  Hz").arg(frequencies->back())));
    EXPECT_EQ(all.back(), SurfaceOp(Op::EndDocument {}));

    ASSERT_TRUE(viewer->setOption(QStringLiteral("modeFlags"), optionValues("0,0,1,0,0,0,0,0,0,0,0")));
    EXPECT_EQ(viewer->modeFlags, (LendrixModeFlags { 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
    const OpList one = RecordChart(*viewer, SurfaceKind::Screen);
    // Column 3 alone, in black; nothing in the second curve colour but the sketch.
    EXPECT_EQ(linesIn(from(one, viewer->settings.YTitle), 1).size(), std::size_t(viewer->model.rotor.N - 1));

    EXPECT_TRUE(refuses(*viewer, QStringLiteral("modeFlags"), { "1", "0,0,0,0,0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0,0,x" }));
    EXPECT_FALSE(viewer->setOption(QStringLiteral("ShowCurve"), optionValues("0,0,0,0,0,0,0,0,0,0,1")));
    EXPECT_EQ(viewer->modeFlags[2], 1);
}

} // namespace kavel::test
