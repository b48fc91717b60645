#include "export/viewerregistry.h"
#include "holpix/holpixviewer.h"

#include "support/sampleviewer.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

TEST(HolpixViewer, JoinsTheChartExportWithItsTwoOptions)
{
    std::unique_ptr<Viewer> created = ViewerRegistry::create(QStringLiteral("holpix"));
    ASSERT_NE(created, nullptr);
    auto& viewer = static_cast<HolpixViewer&>(*created);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("curveFlags"), optionValues("1,0,0,0,0,0,0,0,0,0,0,0,0,1")));
    MapCurveFlags expected {};
    expected[0] = expected[13] = 1;
    EXPECT_EQ(viewer.curveFlags, expected);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("axisOptions"), optionValues("1,0,0,1")));
    EXPECT_EQ(viewer.axisOptions, (AxisOptions { 0, 1, 0, 0, 1 }));

    // Wrong counts, values other than 0 and 1, and both or neither button of
    // an axis change nothing.
    HolpixViewer fresh;
    for (const char* bad : { "1,0,0,0,0,0,0,0,0,0,0,0,0", "2,0,0,0,0,0,0,0,0,0,0,0,0,0" })
        EXPECT_FALSE(fresh.setOption(QStringLiteral("curveFlags"), optionValues(bad))) << bad;
    for (const char* bad : { "1,1,0,1", "0,0,1,0", "1,0,1", "x,0,1,0" })
        EXPECT_FALSE(fresh.setOption(QStringLiteral("axisOptions"), optionValues(bad))) << bad;
    EXPECT_EQ(fresh.curveFlags, InitialMapCurveFlags());
    EXPECT_EQ(fresh.axisOptions, InitialAxisOptions());
}

} // namespace
} // namespace kavel::test
