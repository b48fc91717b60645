#include "support/chartops.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "valden/valdenviewer.h"

#include <gtest/gtest.h>

using namespace kavel;

namespace {

std::unique_ptr<ValdenViewer> sampleViewer()
{
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("valden"));
    auto* valden = dynamic_cast<ValdenViewer*>(viewer.get());
    if (!valden)
        return nullptr;
    viewer.release();
    std::unique_ptr<ValdenViewer> out(valden);
    out->readSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/valdens/valdens.tmp"));
    out->readData(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/valden.mac"));
    return out;
}

QStringList values(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

} // namespace

TEST(ValdenExport, ChartModeChoosesTheChartRecorded)
{
    std::unique_ptr<ValdenViewer> viewer = sampleViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(ViewerRegistry::builtViewers().contains(QStringLiteral("valden")));
    EXPECT_TRUE(test::textsOf(RecordChart(*viewer, SurfaceKind::Printer)).contains(viewer->settings.XYTitle));

    EXPECT_TRUE(viewer->setOption(QStringLiteral("ChartMode"), { QStringLiteral("2") }));
    const OpList page = RecordChart(*viewer, SurfaceKind::Printer);
    EXPECT_TRUE(test::textsOf(page).contains(viewer->settings.GaussTitle));
    EXPECT_FALSE(test::textsOf(page).contains(viewer->settings.XYTitle));
    EXPECT_EQ(page.back(), SurfaceOp(Op::EndDocument {}));

    for (const char* bad : { "0", "3", "1,2", "XY" })
        EXPECT_FALSE(viewer->setOption(QStringLiteral("ChartMode"), values(bad))) << bad;
    EXPECT_EQ(viewer->ChartMode, 2);
}

TEST(ValdenExport, ShowCurveTakesSeventeenFlags)
{
    std::unique_ptr<ValdenViewer> viewer = sampleViewer();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(viewer->setOption(QStringLiteral("ShowCurve"), values("1,1,1,1,1,0,0,0,0,0,0,1,1,1,1,1,1")));
    EXPECT_EQ(viewer->ShowCurve[4], 1);
    EXPECT_EQ(viewer->ShowCurve[5], 0);
    EXPECT_EQ(viewer->ShowCurve[10], 0);
    EXPECT_EQ(viewer->ShowCurve[16], 1);
    EXPECT_FALSE(test::textsOf(RecordChart(*viewer, SurfaceKind::Screen)).contains(viewer->settings.DampingTitle));

    for (const char* bad : { "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2", "" })
        EXPECT_FALSE(viewer->setOption(QStringLiteral("ShowCurve"), values(bad))) << bad;
    EXPECT_EQ(viewer->ShowCurve[5], 0);
    EXPECT_FALSE(viewer->setOption(QStringLiteral("ShowNumbers"), values("1")));
}
