#include "holpixtesting.h"

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
    EXPECT_TRUE(ViewerRegistry::builtViewers().contains(QStringLiteral("holpix")));
    auto& viewer = static_cast<HolpixViewer&>(*created);
    EXPECT_EQ(viewer.identity().exportName, QStringLiteral("holpix"));

    EXPECT_TRUE(viewer.setOption(QStringLiteral("curveFlags"), values("1,0,0,0,0,0,0,0,0,0,0,0,0,1")));
    MapCurveFlags expected {};
    expected[0] = expected[13] = 1;
    EXPECT_EQ(viewer.curveFlags, expected);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("axisOptions"), values("1,0,0,1")));
    EXPECT_EQ(viewer.axisOptions, (AxisOptions { 0, 1, 0, 0, 1 }));
}

TEST(HolpixViewer, OptionsOfTheWrongShapeChangeNothing)
{
    HolpixViewer viewer;
    for (const char* bad : { "1,0,0,0,0,0,0,0,0,0,0,0,0", "1,0,0,0,0,0,0,0,0,0,0,0,0,0,0", "2,0,0,0,0,0,0,0,0,0,0,0,0,0" })
        EXPECT_FALSE(viewer.setOption(QStringLiteral("curveFlags"), values(bad))) << bad;
    // Each axis has exactly one of its two buttons chosen.
    for (const char* bad : { "1,1,0,1", "0,0,1,0", "1,0,1,1", "1,0,1", "x,0,1,0" })
        EXPECT_FALSE(viewer.setOption(QStringLiteral("axisOptions"), values(bad))) << bad;
    EXPECT_FALSE(viewer.setOption(QStringLiteral("ShowNumbers"), values("1")));
    EXPECT_EQ(viewer.curveFlags, InitialMapCurveFlags());
    EXPECT_EQ(viewer.axisOptions, InitialAxisOptions());
}

TEST(HolpixViewer, IdentityNamesTheFilesAndCaptions)
{
    const HolpixViewer viewer;
    const ViewerIdentity& id = viewer.identity();
    EXPECT_EQ(id.mainCaption, QStringLiteral("HOLPIX/D  Drawing"));
    EXPECT_EQ(id.fileDialogCaption, QStringLiteral("HOLPIX/F File Open"));
    EXPECT_EQ(id.editCaption, QStringLiteral("HOLPIX/E  Editing rotor model"));
    EXPECT_EQ(id.defaultDataFile, QStringLiteral("c:\\Kavel\\data\\holpix.mac"));
    EXPECT_EQ(id.settingsDirectory + id.workingFile, QStringLiteral("c:\\Kavel\\Gavrine\\holpix\\holpix.tmp"));
    EXPECT_EQ(id.factoryFile, QStringLiteral("holpix.org"));
}

} // namespace
