#include "zeptaltesting.h"

#include "zeptal/bodechart.h"
#include "zeptal/zeptalviewer.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

OpList bode(const ZeptalSettings& s, const UnbalanceResponse& data, const CurveFlags& flags, SurfaceKind kind = SurfaceKind::Screen)
{
    RecordingSurface surface(kind);
    DrawBodeChart(surface, s, data, flags);
    return surface.takeOps();
}

const UnbalanceResponse kFlat = responseOf({ { { 0, 0, 0 }, { 6000, 100, -360 } } });

} // namespace

TEST(BodeChart, FrameHasFullHeightXGridAndYGridOnlyWithoutPhaseCurves)
{
    const ZeptalSettings s = bodeSettings();
    // Edges: bottom, zero line, left, top, right; frame x 4..24, y 8..18.
    std::vector<Op::Line> expected { lineOf(4, 18, 24, 18), lineOf(4, 18, 24, 18), lineOf(4, 18, 4, 8), lineOf(4, 8, 24, 8), lineOf(24, 18, 24, 8) };
    for (int v = 0; v <= 6000; v += 1000)
        expected.push_back(lineOf(float(4 + v * 20.0 / 6000), 18, float(4 + v * 20.0 / 6000), 8));
    expected.push_back(lineOf(4, 18, 4, 8)); // the negative side's 0
    std::vector<Op::Line> withGrid = expected, noGrid = expected;
    for (int v : { 0, 20, 40, 60, 80, 100, 0 }) {
        const float y = float(18 - 0.1 * v);
        withGrid.push_back(lineOf(4, y, 4.5, y));
        withGrid.push_back(lineOf(4, y, 24, y));
        noGrid.push_back(lineOf(4, y, 4.5, y));
    }
    // The phase scale: ticks at −90 and −270, lines across at −180, −360.
    for (auto* lines : { &withGrid, &noGrid }) {
        lines->push_back(lineOf(23.5, 10, 24, 10));
        lines->push_back(lineOf(4, 12, 24, 12));
        lines->push_back(lineOf(23.5, 14, 24, 14));
        lines->push_back(lineOf(4, 16, 24, 16));
    }

    const std::vector<Op::Line> amplitudeOnly = all<Op::Line>(bode(s, kFlat, flagsOf<CurveFlags>({ 0 })));
    ASSERT_EQ(amplitudeOnly.size(), withGrid.size() + 1);
    EXPECT_EQ(std::vector<Op::Line>(amplitudeOnly.begin(), amplitudeOnly.end() - 1), withGrid);

    // One phase box, or "All", takes the horizontal grid away.
    for (const CurveFlags& flags : { flagsOf<CurveFlags>({ 0, 5 }), flagsOf<CurveFlags>({ 10 }), flagsOf<CurveFlags>({ 9 }) }) {
        const std::vector<Op::Line> lines = all<Op::Line>(bode(s, kFlat, flags));
        ASSERT_GE(lines.size(), noGrid.size());
        EXPECT_EQ(std::vector<Op::Line>(lines.begin(), lines.begin() + std::ptrdiff_t(noGrid.size())), noGrid);
    }
}

TEST(BodeChart, LabelsTitlesAndPhaseScaleStandAtTheirPoints)
{
    const OpList ops = bode(bodeSettings(), kFlat, flagsOf<CurveFlags>({ 10 }));
    std::vector<std::pair<QPointF, QString>> texts;
    for (const Op::Text& t : all<Op::Text>(ops))
        texts.push_back({ QPointF(t.x, t.y), t.text.trimmed() });
    auto at = [&](const QString& text) {
        for (const auto& [p, t] : texts) {
            if (t == text)
                return p;
        }
        return QPointF(-1, -1);
    };
    // Y labels 2 cm left of the frame, 0.3 above their tick.
    EXPECT_EQ(at(QStringLiteral("100")), QPointF(2, float(8 - 0.3)));
    EXPECT_EQ(at(QStringLiteral("6000")), QPointF(24, float(18.2)));
    for (int m = 1; m <= 4; ++m)
        EXPECT_EQ(at(QString::number(-90 * m)), QPointF(24, 8 + 2 * m - 0.5)) << m;
    EXPECT_EQ(at(QStringLiteral("title")), QPointF(9, 6));
    EXPECT_EQ(at(QStringLiteral("speed")), QPointF(9, 19.5));

    // The y titles run upward at the platform font's 15 pixels.
    for (const Op::Text& t : all<Op::Text>(ops)) {
        if (t.text == QLatin1String("phase") || t.text == QLatin1String("amp")) {
            EXPECT_EQ(t.angle, 90);
            EXPECT_EQ(t.height, 15);
            EXPECT_EQ(t.y, 14.f);
            EXPECT_EQ(t.x, t.text == QLatin1String("phase") ? 26.f : 0.5f);
        }
    }
}

TEST(BodeChart, PhaseZeroOnTheTopEdgeAndNinetyDegreesPerDivision)
{
    const ZeptalSettings s = bodeSettings();
    ChartGeometry g = *ChartGeometry::compute(s.xAxis(), s.yAxis(), kBodeOrigin);
    EXPECT_DOUBLE_EQ(PhaseScale(s, g), 0.1 * 20 / 90);
    const UnbalanceResponse data = responseOf({ { { 0, 0, 0 }, { 3000, 50, -90 }, { 4500, 10, -180 }, { 6000, 100, -360 } } });
    ChartPos pos(data);
    MapBode(data, s, g, pos);
    const float x[] = { 4, 14, 19, 24 }, amp[] = { 18, 13, 17, 8 }, phase[] = { 8, 10, 12, 16 };
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FLOAT_EQ(pos(i, 0, 0), x[i - 1]) << i;
        EXPECT_FLOAT_EQ(pos(i, 1, 0), amp[i - 1]) << i;
        EXPECT_FLOAT_EQ(pos(i, 1, 1), phase[i - 1]) << i;
    }
}

TEST(BodeChart, HiddenCurvesTakeNoColourAndCurvesBeyondFiveOnlyThroughAll)
{
    const std::vector<Point3> curve { { 0, 10, -10 }, { 6000, 20, -20 } };
    const UnbalanceResponse six = responseOf({ curve, curve, curve, curve, curve, curve });
    const ZeptalSettings s = bodeSettings();
    auto curveColours = [&](const CurveFlags& flags) {
        std::vector<Rgb> colours;
        const OpList ops = bode(s, six, flags);
        const std::vector<Op::Line> lines = all<Op::Line>(ops);
        for (const Op::Line& l : lines) {
            if (l.x1 == 4 && l.x2 == 24 && l.y1 != l.y2)
                colours.push_back(l.rgb);
        }
        return colours;
    };
    // Curve 2's amplitude and curve 4's phase: colours 0 and 1.
    EXPECT_EQ(curveColours(flagsOf<CurveFlags>({ 1, 8 })), (std::vector<Rgb> { Palette::colour(0), Palette::colour(1) }));
    // Every box but "All": five curves, amplitude and phase each; curve 6
    // has no box of its own (its amplitude index would be a phase box).
    std::vector<Rgb> fiveBoth;
    for (int c = 0; c < 5; ++c)
        fiveBoth.insert(fiveBoth.end(), { Palette::colour(c), Palette::colour(c) });
    EXPECT_EQ(curveColours(flagsOf<CurveFlags>({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 })), fiveBoth);
    std::vector<Rgb> all = fiveBoth;
    all.insert(all.end(), { Palette::colour(5), Palette::colour(5) });
    EXPECT_EQ(curveColours(flagsOf<CurveFlags>({ 10 })), all);
}

TEST(BodeChart, PrinterFrameWidthsNoGridHorizontalTitles)
{
    const ZeptalSettings s = bodeSettings();
    const OpList ops = bode(s, kFlat, flagsOf<CurveFlags>({ 0 }), SurfaceKind::Printer);
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    // Four edges in FrameWidth, then the zero line and ticks in 1.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(lines[std::size_t(k)].width, 3) << k;
    EXPECT_EQ(lines[4], lineOf(4, 18, 24, 18));
    EXPECT_EQ(lines[5], lineOf(4, 18, 4, 17.5));
    for (const Op::Line& l : lines) {
        if (l.y1 == l.y2 && l.x1 == 4 && l.width == 1) {
            EXPECT_TRUE(l.x2 == 4.5f || l.y1 == 12 || l.y1 == 16 || l.y1 == 18) << l.y1;
        }
    }
    EXPECT_EQ(lines.back(), lineOf(4, 18, 24, 8, 0, 2));
    for (const Op::Text& t : all<Op::Text>(ops)) {
        EXPECT_EQ(t.angle, 0);
        if (t.text == QLatin1String("phase")) {
            EXPECT_EQ(QPointF(t.x, t.y), QPointF(24, 13));
        }
        if (t.text == QLatin1String("amp")) {
            EXPECT_EQ(QPointF(t.x, t.y), QPointF(0.5, 13));
        }
        if (t.text.trimmed() == QLatin1String("100")) {
            EXPECT_EQ(QPointF(t.x, t.y), QPointF(2.5, float(7.7)));
        }
    }
}

TEST(ZeptalChart, ZeroRangeStopsTheChartButKeepsTheCommentAndThePage)
{
    ZeptalSettings s = bodeSettings();
    s.Xmax = s.Xmin;
    for (int style : { 1, 2 }) {
        if (style == 2)
            s.Ymax = 0;
        RecordingSurface page(SurfaceKind::Printer);
        DrawZeptalChart(page, s, kFlat, flagsOf<CurveFlags>({ 10 }), style);
        const OpList& ops = page.ops();
        EXPECT_TRUE(all<Op::Line>(ops).empty()) << style;
        EXPECT_TRUE(all<Op::Circle>(ops).empty()) << style;
        ASSERT_EQ(all<Op::Text>(ops).size(), 1u);
        EXPECT_EQ(all<Op::Text>(ops)[0].x, 10.f);
        EXPECT_TRUE(std::holds_alternative<Op::EndDocument>(ops.back()));
    }
}

} // namespace kavel::test
