#include "zeptaltesting.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "zeptal/zeptalviewer.h"

#include <gtest/gtest.h>

using namespace kavel;

namespace {

std::unique_ptr<ZeptalViewer> sampleViewer()
{
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("zeptal"));
    auto* zeptal = dynamic_cast<ZeptalViewer*>(viewer.get());
    if (!zeptal)
        return nullptr;
    viewer.release();
    std::unique_ptr<ZeptalViewer> out(zeptal);
    out->readSettings(QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/zeptal/zeptal.tmp"));
    out->readData(QStringLiteral(KAVEL_SAMPLE_ROOT "/data/zeptala.mac"));
    return out;
}

QStringList values(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

} // namespace

TEST(ZeptalExport, ChartStyleChoosesBodeOrPolar)
{
    std::unique_ptr<ZeptalViewer> viewer = sampleViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(ViewerRegistry::builtViewers().contains(QStringLiteral("zeptal")));
    EXPECT_TRUE(test::opsOf<Op::Circle>(RecordChart(*viewer, SurfaceKind::Printer)).empty());

    EXPECT_TRUE(viewer->setOption(QStringLiteral("chartStyle"), { QStringLiteral("2") }));
    const OpList page = RecordChart(*viewer, SurfaceKind::Printer);
    EXPECT_EQ(test::opsOf<Op::Circle>(page).size(), 5u);
    EXPECT_EQ(page.back(), SurfaceOp(Op::EndDocument {}));
    for (const char* bad : { "0", "3", "1,2", "Bode" })
        EXPECT_FALSE(viewer->setOption(QStringLiteral("chartStyle"), values(bad))) << bad;
    EXPECT_EQ(viewer->chartStyle, 2);
}

TEST(ZeptalExport, CurveFlagsTakeElevenValues)
{
    std::unique_ptr<ZeptalViewer> viewer = sampleViewer();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(viewer->setOption(QStringLiteral("curveFlags"), values("0,1,0,0,0,0,0,1,0,0,0")));
    EXPECT_EQ(viewer->curveFlags, test::flagsOf({ 1, 7 }));
    for (const char* bad : { "1,1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1,1", "0,1,0,0,0,0,0,1,0,0,2", "0,1,0,0,0,0,0,1,0,0,x" })
        EXPECT_FALSE(viewer->setOption(QStringLiteral("curveFlags"), values(bad))) << bad;
    EXPECT_EQ(viewer->curveFlags, test::flagsOf({ 1, 7 }));
    // Curve 2's amplitude and curve 3's phase: two curves, colours 0 and 1.
    int coloured = 0;
    for (const Op::Line& l : test::opsOf<Op::Line>(RecordChart(*viewer, SurfaceKind::Screen))) {
        if (l.rgb == Palette::colour(1))
            ++coloured;
    }
    EXPECT_EQ(coloured, viewer->data.speedCount - 1);
}
