#include "zeptaltesting.h"

#include "zeptal/polarchart.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

constexpr double kPi = 3.141592;
const Rgb kDark = Palette::colour(8);

OpList polar(const UnbalanceResponse& data, const CurveFlags& flags, SurfaceKind kind = SurfaceKind::Screen)
{
    RecordingSurface surface(kind);
    DrawPolarChart(surface, polarSettings(), data, flags);
    return surface.takeOps();
}

const UnbalanceResponse kQuarter = responseOf({ { { 0, 0, 0 }, { 100, 30, 90 } } });

} // namespace

TEST(PolarChart, CentreRadiusAndClockwisePositivePhase)
{
    const std::optional<ChartGeometry> g = PolarGeometry(polarSettings());
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->OffsetX, 9);
    EXPECT_DOUBLE_EQ(g->OffsetY, 12);
    EXPECT_DOUBLE_EQ(g->ScaleY * 60, 6);
    const UnbalanceResponse data = responseOf({ { { 0, 30, 90 }, { 0, 60, 0 }, { 0, 20, -90 }, { 0, 40, 180 } } });
    ChartPos pos(data);
    MapPolar(data, *g, pos);
    const float x[] = { 9, 15, 9, 5 }, y[] = { 15, 12, 10, 12 };
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(pos(i, 1, 0), x[i - 1], 1e-5) << i;
        EXPECT_NEAR(pos(i, 1, 1), y[i - 1], 1e-5) << i;
    }
    ZeptalSettings flat = polarSettings();
    flat.Ymax = 0;
    EXPECT_FALSE(PolarGeometry(flat));
}

TEST(PolarChart, CirclesRadialLinesTicksAndAngleLabels)
{
    const OpList ops = polar(kQuarter, flagsOf<CurveFlags>({ 10 }));
    std::vector<Op::Circle> circles;
    for (float r : { 0.f, 2.f, 4.f, 6.f })
        circles.push_back({ 9, 12, r, kDark, 1 });
    EXPECT_EQ(all<Op::Circle>(ops), circles);

    std::vector<Op::Line> grid;
    for (int a = 0; a <= 360; a += 10) {
        const double t = a * kPi / 180, c = std::cos(t), s = std::sin(t);
        if (a % 30 == 0)
            grid.push_back({ 9, 12, float(9 + 6 * c), float(12 - 6 * s), kDark, 1 });
        else
            grid.push_back({ float(9 + 6 * c), float(12 - 6 * s), float(9 + 5.4 * c), float(12 - 5.4 * s), kDark, 1 });
    }
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    ASSERT_EQ(lines.size(), grid.size() + 1);
    EXPECT_EQ(std::vector<Op::Line>(lines.begin(), lines.end() - 1), grid);
    // The curve: from the centre to (9, 15), below it, in colour 0.
    EXPECT_EQ(lines.back().rgb, Palette::colour(0));
    EXPECT_NEAR(lines.back().x2, 9, 1e-5);
    EXPECT_NEAR(lines.back().y2, 15, 1e-5);

    QStringList labels;
    std::vector<QPointF> at;
    for (const Op::Text& t : all<Op::Text>(ops)) {
        labels << t.text.trimmed();
        at.push_back(QPointF(t.x, t.y));
    }
    ASSERT_EQ(labels, (QStringList { "0", "20", "40", "60", "0", "90", "180", "270", "title", "amp" }));
    EXPECT_EQ(at[1], QPointF(11, float(12.2)));
    EXPECT_NEAR(at[4].x(), 9 + 1.15 * 6, 1e-5);
    EXPECT_NEAR(at[5].y(), 12 - 1.14 * 6, 1e-5); // 90 above the centre
    EXPECT_NEAR(at[7].y(), 12 + 1.05 * 6, 1e-4);
    EXPECT_EQ(at[8], QPointF(9, 4));
    EXPECT_EQ(at[9], QPointF(9, 19));

    // The angle-label points: 0 in dark grey, the others black.
    std::vector<Rgb> points;
    for (const Op::Point& p : all<Op::Point>(ops))
        points.push_back(p.rgb);
    const Rgb grey = Palette::colour(7), black = Palette::colour(0);
    EXPECT_EQ(points, (std::vector<Rgb> { grey, grey, grey, grey, kDark, black, black, black, grey, grey }));
}

TEST(PolarChart, OnPaperTheGridIsBlackAndCurvesInCurveWidth)
{
    const OpList ops = polar(kQuarter, flagsOf<CurveFlags>({ 10 }), SurfaceKind::Printer);
    for (const Op::Circle& c : all<Op::Circle>(ops))
        EXPECT_EQ(c.rgb, Palette::colour(0));
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
        EXPECT_EQ(lines[k].rgb, Palette::colour(0));
        EXPECT_EQ(lines[k].width, 1);
    }
    EXPECT_EQ(lines.back().width, 2);
    for (const Op::Point& p : all<Op::Point>(ops))
        EXPECT_NE(p.rgb, kDark);
}

TEST(PolarChart, OnlyAmplitudeFlagsOrAllSelectCurvesAndHiddenOnesTakeNoColour)
{
    const std::vector<Point3> curve { { 0, 10, 0 }, { 100, 20, 45 } };
    const UnbalanceResponse six = responseOf({ curve, curve, curve, curve, curve, curve });
    auto curveColours = [&](const CurveFlags& flags) {
        const std::vector<Op::Line> lines = all<Op::Line>(polar(six, flags));
        std::vector<Rgb> colours;
        for (std::size_t k = 37; k < lines.size(); ++k)
            colours.push_back(lines[k].rgb);
        return colours;
    };
    EXPECT_TRUE(curveColours(flagsOf<CurveFlags>({ 5, 6, 7, 8, 9 })).empty());
    EXPECT_EQ(curveColours(flagsOf<CurveFlags>({ 2, 4 })), (std::vector<Rgb> { Palette::colour(0), Palette::colour(1) }));
    std::vector<Rgb> all;
    for (int c = 0; c < 6; ++c)
        all.push_back(Palette::colour(c));
    EXPECT_EQ(curveColours(flagsOf<CurveFlags>({ 10 })), all);
}

} // namespace kavel::test
