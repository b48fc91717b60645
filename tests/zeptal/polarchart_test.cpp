#include "zeptaltesting.h"

#include "zeptal/polarchart.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

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

    // Every 10° counter-clockwise from the right (y grows downwards): a
    // spoke from the centre to the circle every 30°, else a tick from the
    // circle to 0.9 of its radius, 5.4 cm. cos 10° = 0.98481, cos 20° =
    // 0.93969, cos 30° = 0.86603, cos 40° = 0.76604, and so on.
    const float grid[37][4] = {
        { 9, 12, 15, 12 }, // 0° spoke
        { 14.9088, 10.9581, 14.318, 11.0623 }, // 10° tick
        { 14.6382, 9.9479, 14.0743, 10.1531 }, // 20° tick
        { 9, 12, 14.1962, 9 }, // 30° spoke
        { 13.5963, 8.1433, 13.1366, 8.5289 }, // 40° tick
        { 12.8567, 7.4037, 12.4711, 7.8634 }, // 50° tick
        { 9, 12, 12, 6.8038 }, // 60° spoke
        { 11.0521, 6.3618, 10.8469, 6.9257 }, // 70° tick
        { 10.0419, 6.0912, 9.9377, 6.682 }, // 80° tick
        { 9, 12, 9, 6 }, // 90° spoke
        { 7.9581, 6.0912, 8.0623, 6.682 }, // 100° tick
        { 6.9479, 6.3618, 7.1531, 6.9257 }, // 110° tick
        { 9, 12, 6, 6.8038 }, // 120° spoke
        { 5.1433, 7.4037, 5.5289, 7.8634 }, // 130° tick
        { 4.4037, 8.1433, 4.8634, 8.5289 }, // 140° tick
        { 9, 12, 3.8038, 9 }, // 150° spoke
        { 3.3618, 9.9479, 3.9257, 10.1531 }, // 160° tick
        { 3.0912, 10.9581, 3.682, 11.0623 }, // 170° tick
        { 9, 12, 3, 12 }, // 180° spoke
        { 3.0912, 13.0419, 3.682, 12.9377 }, // 190° tick
        { 3.3618, 14.0521, 3.9257, 13.8469 }, // 200° tick
        { 9, 12, 3.8038, 15 }, // 210° spoke
        { 4.4037, 15.8567, 4.8634, 15.4711 }, // 220° tick
        { 5.1433, 16.5963, 5.5289, 16.1366 }, // 230° tick
        { 9, 12, 6, 17.1962 }, // 240° spoke
        { 6.9479, 17.6382, 7.1531, 17.0743 }, // 250° tick
        { 7.9581, 17.9088, 8.0623, 17.318 }, // 260° tick
        { 9, 12, 9, 18 }, // 270° spoke
        { 10.0419, 17.9088, 9.9377, 17.318 }, // 280° tick
        { 11.0521, 17.6382, 10.8469, 17.0743 }, // 290° tick
        { 9, 12, 12, 17.1962 }, // 300° spoke
        { 12.8567, 16.5963, 12.4711, 16.1366 }, // 310° tick
        { 13.5963, 15.8567, 13.1366, 15.4711 }, // 320° tick
        { 9, 12, 14.1962, 15 }, // 330° spoke
        { 14.6382, 14.0521, 14.0743, 13.8469 }, // 340° tick
        { 14.9088, 13.0419, 14.318, 12.9377 }, // 350° tick
        { 9, 12, 15, 12 }, // 360° spoke
    };
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    ASSERT_EQ(lines.size(), 37u + 1);
    for (std::size_t k = 0; k < 37; ++k) {
        const Op::Line& l = lines[k];
        EXPECT_NEAR(l.x1, grid[k][0], 1e-4) << k * 10 << "°";
        EXPECT_NEAR(l.y1, grid[k][1], 1e-4) << k * 10 << "°";
        EXPECT_NEAR(l.x2, grid[k][2], 1e-4) << k * 10 << "°";
        EXPECT_NEAR(l.y2, grid[k][3], 1e-4) << k * 10 << "°";
        EXPECT_EQ(l.rgb, kDark) << k * 10 << "°";
        EXPECT_EQ(l.width, 1) << k * 10 << "°";
    }
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
    ASSERT_EQ(labels, (QStringList { "0", "20", "40", "60", "0", "-90", "-180", "-270", "title", "amp" }));
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

TEST(PolarChart, EachSpokeIsLabelledWithThePhasePlottedOnIt)
{
    const std::optional<ChartGeometry> g = PolarGeometry(polarSettings());
    ASSERT_TRUE(g);
    // The angle labels are the four texts after the circles' values.
    const std::vector<Op::Text> texts = all<Op::Text>(polar(kQuarter, flagsOf<CurveFlags>({ 10 })));
    ASSERT_GE(texts.size(), 8u);
    const std::vector<Op::Text> spokes(texts.begin() + 4, texts.begin() + 8);
    // Directions on the page (y down) seen from the centre, in degrees.
    auto direction = [&](double x, double y) { return std::atan2(y - g->OffsetY, x - g->OffsetX) * 180 / std::numbers::pi; };
    auto apart = [](double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); };
    // The labels of the spokes nearest to where a phase is plotted, nearest first.
    auto labelsBeside = [&](float phase) {
        const UnbalanceResponse data = responseOf({ { { 0, 60, phase } } });
        ChartPos pos(data);
        MapPolar(data, *g, pos);
        const double at = direction(pos(1, 1, 0), pos(1, 1, 1));
        std::vector<Op::Text> byDistance = spokes;
        std::sort(byDistance.begin(), byDistance.end(), [&](const Op::Text& a, const Op::Text& b) {
            return apart(direction(a.x, a.y), at) < apart(direction(b.x, b.y), at);
        });
        return std::pair { byDistance[0], byDistance[1] };
    };
    for (const float phase : { 0.f, -90.f, -180.f, -270.f }) {
        const auto [nearest, next] = labelsBeside(phase);
        EXPECT_EQ(nearest.text.trimmed(), QString::number(phase)) << phase;
    }
    // A lag of 137 degrees lies between the spokes of -90 and -180.
    const auto [nearest, next] = labelsBeside(-137);
    EXPECT_EQ(QStringList({ nearest.text.trimmed(), next.text.trimmed() }), QStringList({ "-180", "-90" }));
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
