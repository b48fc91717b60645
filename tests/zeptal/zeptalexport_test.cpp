#include "zeptaltesting.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "zeptal/zeptalviewer.h"

#include "support/sampleviewer.h"

#include <gtest/gtest.h>

namespace kavel::test {

TEST(ZeptalExport, ChartStyleChoosesBodeOrPolar)
{
    std::unique_ptr<ZeptalViewer> viewer = sampleViewer<ZeptalViewer>();
    EXPECT_TRUE(ViewerRegistry::builtViewers().contains(QStringLiteral("zeptal")));
    EXPECT_TRUE(all<Op::Circle>(RecordChart(*viewer, SurfaceKind::Printer)).empty());

    EXPECT_EQ(all<Op::Circle>(secondChartPage(*viewer, QStringLiteral("chartStyle"), "Bode")).size(), 5u);
    EXPECT_EQ(viewer->chartStyle, 2);
}

TEST(ZeptalExport, CurveFlagsTakeElevenValues)
{
    std::unique_ptr<ZeptalViewer> viewer = sampleViewer<ZeptalViewer>();
    ASSERT_TRUE(viewer->setOption(QStringLiteral("curveFlags"), optionValues("0,1,0,0,0,0,0,1,0,0,0")));
    EXPECT_EQ(viewer->curveFlags, flagsOf<CurveFlags>({ 1, 7 }));
    EXPECT_TRUE(refuses(*viewer, QStringLiteral("curveFlags"), { "1,1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1,1", "0,1,0,0,0,0,0,1,0,0,2", "0,1,0,0,0,0,0,1,0,0,x" }));
    EXPECT_EQ(viewer->curveFlags, flagsOf<CurveFlags>({ 1, 7 }));
    // Curve 2's amplitude and curve 3's phase: two curves, colours 0 and 1.
    int coloured = 0;
    for (const Op::Line& l : all<Op::Line>(RecordChart(*viewer, SurfaceKind::Screen))) {
        if (l.rgb == Palette::colour(1))
            ++coloured;
    }
    EXPECT_EQ(coloured, viewer->data.speedCount - 1);
}

} // namespace kavel::test
