#include "mirnokwindowtest.h"

#include "framework/output/drawnextent.h"
#include "framework/output/painterrenderer.h"

namespace kavel::test {
namespace {

constexpr double kPt = 2.54 / 72;

TEST(DrawnExtent, CoversLinesPointsAndTheBoxesOfTexts)
{
    EXPECT_FALSE(DrawnExtent({}));
    EXPECT_FALSE(DrawnExtent({ Op::Clear {}, Op::EndDocument {} }));

    RecordingSurface s;
    s.line(2, 3, 10, 1);
    s.point(12, 40, 7);
    std::optional<QRectF> r = DrawnExtent(s.ops());
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, QRectF(QPointF(2, 1), QPointF(12, 40)));

    // An upright text runs right and down from its corner; a rotated one up
    // and to the right. Empty texts and far-off coordinates draw nothing.
    RecordingSurface t;
    t.setFontSize(10);
    t.point(20, 5);
    t.print(QStringLiteral("abcd"));
    t.point(1e9, 1e9);
    t.print(QString());
    r = DrawnExtent(t.ops());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->topLeft(), QPointF(20, 5));
    EXPECT_NEAR(r->right(), 20 + 4 * 0.55 * 10 * kPt, 1e-6);
    EXPECT_NEAR(r->bottom(), 5 + 1.15 * 10 * kPt, 1e-6);

    RecordingSurface u;
    u.selectRotatedFont(QStringLiteral("Century"), 15);
    u.point(1, 10);
    u.print(QStringLiteral("up"));
    r = DrawnExtent(u.ops());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->bottomLeft(), QPointF(1, 10));
    EXPECT_NEAR(r->top(), 10 - 2 * 0.55 * 15 * 2.54 / 96, 1e-6);
    EXPECT_NEAR(r->right(), 1 + 1.15 * 15 * 2.54 / 96, 1e-6);

    // Anchored at its top-right corner, a text runs left.
    RecordingSurface v;
    v.setFontSize(10);
    v.point(3, 5);
    v.print(QStringLiteral("-.5 "), TextAnchor::TopRight);
    r = DrawnExtent(v.ops());
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->left(), 3 - 4 * 0.55 * 10 * kPt, 1e-6);
    EXPECT_EQ(r->right(), 3);

    // Japanese characters take a whole em.
    RecordingSurface j;
    j.setFontSize(10);
    j.print(QString::fromUtf8("軸方向"));
    EXPECT_NEAR(DrawnExtent(j.ops())->right(), 3 * 10 * kPt, 1e-6);
}

TEST(DrawnRegion, ThePageKeepsCentimetresUnlessTheDrawingRunsOffIt)
{
    const DeviceMapping plain = DeviceMapping::page(300);
    const DeviceMapping fits = DeviceMapping::page(300, SurfaceKind::Printer, QSizeF(29.7, 21), QRectF(0, 0, 29, 20.5));
    EXPECT_EQ(fits.pixelsPerCm, plain.pixelsPerCm);
    EXPECT_EQ(fits.fontDpi, plain.fontDpi);

    // 42 cm deep on a 21 cm page: everything at half size, from the corner.
    const DeviceMapping deep = DeviceMapping::page(300, SurfaceKind::Printer, QSizeF(29.7, 21), QRectF(0, 0, 20, 42));
    EXPECT_DOUBLE_EQ(deep.pixelsPerCm, plain.pixelsPerCm / 2);
    EXPECT_DOUBLE_EQ(deep.fontDpi, plain.fontDpi / 2);
    EXPECT_EQ(deep.origin, QPointF(0, 0));
    const DeviceMapping wide = DeviceMapping::page(300, SurfaceKind::Printer, QSizeF(29.7, 21), QRectF(0, 0, 59.4, 10));
    EXPECT_DOUBLE_EQ(wide.pixelsPerCm, plain.pixelsPerCm / 2);

    EXPECT_EQ(shownRegion(std::nullopt), kChartRegion);
    EXPECT_EQ(shownRegion(QRectF(1, 1, 5, 5)), kChartRegion);
    EXPECT_EQ(shownRegion(QRectF(-1, 2, 5, 40)), QRectF(QPointF(-1, 0), QPointF(30, 42)));

    // The fitted picture shows a region that starts left of 0.
    const DeviceMapping fitted = DeviceMapping::fitted(QRectF(0, 0, 310, 420), 96, QRectF(QPointF(-1, 0), QPointF(30, 42)));
    EXPECT_DOUBLE_EQ(fitted.pixelsPerCm, 10);
    EXPECT_DOUBLE_EQ(fitted.origin.x(), 10);
    EXPECT_DOUBLE_EQ(fitted.origin.y(), 0);
}

class MirnokRegionTest : public MirnokWindowTest {
protected:
    // The sample with the shaft rising at 20°: the box's base at y 23.
    void startRising()
    {
        QByteArray settings = root.read(kWorkingFile);
        settings.replace(" 0   1200   200   14  -20 ", " 0   1200   200   14   20 ");
        root.write(kWorkingFile, settings);
        start();
    }
};

TEST_F(MirnokRegionTest, ThePictureShowsTheOutlineBelowARisingSketch)
{
    startRising();
    ASSERT_EQ(viewer->settings.viewAngle, 20);
    const std::vector<Op::Line> outline = linesIn(picture(), kDarkBlue);
    ASSERT_FALSE(outline.empty());
    float lowest = 0;
    for (const Op::Line& l : outline)
        lowest = std::max({ lowest, l.y1, l.y2 });
    EXPECT_GT(lowest, 27.f); // 12 cm below zero deflection at y 15.5
    const QRectF region = window->picture()->chartRegion();
    EXPECT_GE(region.bottom(), lowest);
    EXPECT_TRUE(region.contains(kChartRegion));

    // Every frame of the animation stays inside the region fitted at the plot.
    window->animeButton()->click();
    for (int tick = 0; tick < 8; ++tick) {
        window->Timer1_Timer();
        const std::optional<QRectF> frame = DrawnExtent(picture());
        ASSERT_TRUE(frame);
        EXPECT_TRUE(region.contains(*frame)) << tick;
    }
    EXPECT_EQ(window->picture()->chartRegion(), region);
}

TEST_F(MirnokRegionTest, ThePageIsScaledOnlyWhenTheSketchRunsOffIt)
{
    startRising();
    RecordingSurface page(SurfaceKind::Printer);
    viewer->print(page);
    const std::optional<QRectF> drawn = viewer->drawnRegion(page);
    ASSERT_TRUE(drawn);
    EXPECT_GT(drawn->bottom(), 27);
    const DeviceMapping mapping = DeviceMapping::page(600, SurfaceKind::Printer, QSizeF(29.7, 21), *drawn);
    EXPECT_LT(mapping.pixelsPerCm, 600 / 2.54 * 21 / 27);
    EXPECT_NEAR(drawn->bottom() * mapping.pixelsPerCm, 21 * 600 / 2.54, 1e-6);
}

TEST_F(MirnokRegionTest, TheSamplesFallingSketchFitsThePageInCentimetres)
{
    start();
    RecordingSurface falling(SurfaceKind::Printer);
    viewer->print(falling);
    const std::optional<QRectF> fits = viewer->drawnRegion(falling);
    ASSERT_TRUE(fits);
    EXPECT_LE(fits->bottom(), 21);
    EXPECT_LE(fits->right(), 29.7);
    EXPECT_EQ(DeviceMapping::page(600, SurfaceKind::Printer, QSizeF(29.7, 21), *fits).pixelsPerCm, DeviceMapping::page(600).pixelsPerCm);
}

} // namespace
} // namespace kavel::test
