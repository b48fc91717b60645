#include "support/chartops.h"
#include "support/sampleviewer.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "valden/valdenviewer.h"

#include <gtest/gtest.h>

namespace kavel::test {

TEST(ValdenExport, ChartModeChoosesTheChartRecorded)
{
    std::unique_ptr<ValdenViewer> viewer = sampleViewer<ValdenViewer>();
    EXPECT_TRUE(ViewerRegistry::builtViewers().contains(QStringLiteral("valden")));
    EXPECT_TRUE(textsOf(RecordChart(*viewer, SurfaceKind::Printer)).contains(viewer->settings.XYTitle));

    const OpList page = secondChartPage(*viewer, QStringLiteral("ChartMode"), "XY");
    EXPECT_TRUE(textsOf(page).contains(viewer->settings.GaussTitle));
    EXPECT_FALSE(textsOf(page).contains(viewer->settings.XYTitle));
    EXPECT_EQ(viewer->ChartMode, 2);
}

TEST(ValdenExport, ShowCurveTakesSeventeenFlags)
{
    std::unique_ptr<ValdenViewer> viewer = sampleViewer<ValdenViewer>();
    ASSERT_TRUE(viewer->setOption(QStringLiteral("ShowCurve"), optionValues("1,1,1,1,1,0,0,0,0,0,0,1,1,1,1,1,1")));
    EXPECT_EQ(viewer->ShowCurve[4], 1);
    EXPECT_EQ(viewer->ShowCurve[5], 0);
    EXPECT_EQ(viewer->ShowCurve[10], 0);
    EXPECT_EQ(viewer->ShowCurve[16], 1);
    EXPECT_FALSE(textsOf(RecordChart(*viewer, SurfaceKind::Screen)).contains(viewer->settings.DampingTitle));

    EXPECT_TRUE(refuses(*viewer, QStringLiteral("ShowCurve"), { "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2", "" }));
    EXPECT_EQ(viewer->ShowCurve[5], 0);
    EXPECT_FALSE(viewer->setOption(QStringLiteral("ShowNumbers"), optionValues("1")));
}

} // namespace kavel::test
