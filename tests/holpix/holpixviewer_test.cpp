#include "export/viewerregistry.h"
#include "holpix/holpixviewer.h"

#include <gtest/gtest.h>

using namespace kavel;

namespace {

QStringList values(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

TEST(HolpixViewer, JoinsTheChartExportWithItsTwoOptions)
{
    std::unique_ptr<Viewer> created = ViewerRegistry::create(QStringLiteral("holpix"));
    ASSERT_NE(created, nullptr);
    auto& viewer = static_cast<HolpixViewer&>(*created);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("curveFlags"), values("1,0,0,0,0,0,0,0,0,0,0,0,0,1")));
    MapCurveFlags expected {};
    expected[0] = expected[13] = 1;
    EXPECT_EQ(viewer.curveFlags, expected);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("axisOptions"), values("1,0,0,1")));
    EXPECT_EQ(viewer.axisOptions, (AxisOptions { 0, 1, 0, 0, 1 }));

    // Wrong counts, values other than 0 and 1, and both or neither button of
    // an axis change nothing.
    HolpixViewer fresh;
    for (const char* bad : { "1,0,0,0,0,0,0,0,0,0,0,0,0", "2,0,0,0,0,0,0,0,0,0,0,0,0,0" })
        EXPECT_FALSE(fresh.setOption(QStringLiteral("curveFlags"), values(bad))) << bad;
    for (const char* bad : { "1,1,0,1", "0,0,1,0", "1,0,1", "x,0,1,0" })
        EXPECT_FALSE(fresh.setOption(QStringLiteral("axisOptions"), values(bad))) << bad;
    EXPECT_EQ(fresh.curveFlags, InitialMapCurveFlags());
    EXPECT_EQ(fresh.axisOptions, InitialAxisOptions());
}

} // namespace
