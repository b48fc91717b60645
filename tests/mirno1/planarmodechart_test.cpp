#include "mirno1/modeshapefiles.h"
#include "mirno1/planarmodechart.h"

#include "framework/models/rotormodel.h"
#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"
#include "support/framedsettings.h"
#include "support/qtprint.h"
#include "support/readtext.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Powers of two keep the chart exact: x 1/128 cm per mm from 5, y 4 cm per
// mm with its zero at 14.
Mirno1Settings settings()
{
    return framedSettings<Mirno1Settings>({ 0, 1024, 512, 8 }, { -1, 1, 1, 8 }, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("T"));
}

// `modes` modes over the stations at 0, 512 and 1024 mm; mode i deflects
// the middle station by i/16.
PlanarModeShapes shapes(int modes, int stations = 3)
{
    PlanarModeShapes s;
    s.FileComment = QStringLiteral("comment");
    s.N1 = stations;
    s.N2 = modes;
    for (int k = 0; k < stations; ++k)
        s.stationPos.push_back(512.f * float(k));
    for (int i = 1; i <= modes; ++i) {
        s.setShapeLine(i, 0, { 0, float(i) / 16, 0 });
        s.setShapeLine(i, 1, { 1, 1, 1 });
    }
    return s;
}

// One element from 0 to 512 mm of outer diameter 200: 2 cm tall on the chart
// (the radius in mm over 200, times ScaleY).
RotorModel outline()
{
    return readText<RotorModel>(ReadRotorModelText, QStringLiteral("h\r\nc\r\n 1\r\n 1 0 0 0\r\n 1 0 200 0\r\n 1 512 200 0\r\n 1 512 0 0\r\n"));
}

OpList draw(SurfaceKind kind, const PlanarModeShapes& s, const ModeFlags& f, const Mirno1Settings& chart = settings())
{
    RecordingSurface surface(kind);
    DrawPlanarModeChart(surface, chart, s, outline(), f);
    return surface.takeOps();
}

// Lines in the outline colour, and lines of any other colour after the Y title.
std::vector<Op::Line> linesAfterYTitle(const OpList& ops)
{
    auto it = std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->angle == 90;
    });
    std::vector<Op::Line> out;
    for (; it != ops.end(); ++it) {
        if (const auto* l = std::get_if<Op::Line>(&*it))
            out.push_back(*l);
    }
    return out;
}

// The outline comes first: three segments per copy, two copies on the screen.
std::size_t outlineCount(const OpList& ops)
{
    return ops.back() == SurfaceOp(Op::EndDocument {}) ? 3 : 6;
}

std::vector<Op::Line> outlineLines(const OpList& ops)
{
    std::vector<Op::Line> lines = linesAfterYTitle(ops);
    lines.resize(std::min(lines.size(), outlineCount(ops)));
    return lines;
}

std::vector<Op::Line> modeLines(const OpList& ops)
{
    const std::vector<Op::Line> lines = linesAfterYTitle(ops);
    return std::vector<Op::Line>(lines.begin() + std::ptrdiff_t(std::min(lines.size(), outlineCount(ops))), lines.end());
}

TEST(PlanarModeChart, ModesArePolylinesInTheCurveColours)
{
    const std::vector<Op::Line> lines = modeLines(draw(SurfaceKind::Screen, shapes(2), flagsOf<ModeFlags>({ 10 })));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (Op::Line { 5, 14, 9, 14 - 0.25f, Palette::colour(0), 1 }));
    EXPECT_EQ(lines[1], (Op::Line { 9, 14 - 0.25f, 13, 14, Palette::colour(0), 1 }));
    EXPECT_EQ(lines[2], (Op::Line { 5, 14, 9, 14 - 0.5f, Palette::colour(1), 1 }));
}

TEST(PlanarModeChart, OneStationDrawsNoModeLine)
{
    EXPECT_TRUE(modeLines(draw(SurfaceKind::Screen, shapes(3, 1), flagsOf<ModeFlags>({ 10 }))).empty());
}

TEST(PlanarModeChart, HiddenModesDoNotAdvanceTheColour)
{
    const std::vector<Op::Line> lines = modeLines(draw(SurfaceKind::Screen, shapes(3), flagsOf<ModeFlags>({ 0, 2 })));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].y2, 14 - 0.75f);
    EXPECT_EQ(lines[2].rgb, Palette::colour(1));
}

TEST(PlanarModeChart, ModeElevenAndBeyondOnlyWithAll)
{
    const ModeFlags tenBoxes = flagsOf<ModeFlags>({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 });
    EXPECT_EQ(modeLines(draw(SurfaceKind::Screen, shapes(11), tenBoxes)).size(), 10u * 2);
    EXPECT_EQ(modeLines(draw(SurfaceKind::Screen, shapes(13), tenBoxes)).size(), 10u * 2);

    const OpList all = draw(SurfaceKind::Screen, shapes(13), flagsOf<ModeFlags>({ 10 }));
    const std::vector<Op::Line> lines = modeLines(all);
    ASSERT_EQ(lines.size(), 13u * 2);
    // Colour 7 is skipped: the eighth mode is drawn in 8, the thirteenth in 13.
    EXPECT_EQ(lines[7 * 2].rgb, Palette::colour(8));
    EXPECT_EQ(lines[12 * 2].rgb, Palette::colour(13));
    EXPECT_EQ(lines[12 * 2].y2, 14 - 13 * 0.25f);
    EXPECT_EQ(std::get<Op::Text>(all.back()).text, QStringLiteral("comment"));
}

TEST(PlanarModeChart, StationsStandFromTheFrameEdgeWhateverXminIs)
{
    Mirno1Settings s = settings();
    s.X = { 512, 1024, 256, 8 }; // 1/64 cm per mm
    const OpList ops = draw(SurfaceKind::Screen, shapes(1), flagsOf<ModeFlags>({ 10 }), s);
    const std::vector<Op::Line> lines = modeLines(ops);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 5);
    EXPECT_EQ(lines[0].x2, 13);
    EXPECT_EQ(lines[1].x2, 21);
    // So is the outline.
    EXPECT_EQ(outlineLines(ops).front().x1, 5);
}

TEST(PlanarModeChart, TheOutlineStandsOnTheTopAndBottomEdgesOnTheScreen)
{
    const std::vector<Op::Line> lines = outlineLines(draw(SurfaceKind::Screen, shapes(1), flagsOf<ModeFlags>({ 10 })));
    ASSERT_EQ(lines.size(), 6u);
    const Rgb blue = Palette::colour(1);
    EXPECT_EQ(lines[0], (Op::Line { 5, 10, 5, 8, blue, 1 }));
    EXPECT_EQ(lines[1], (Op::Line { 5, 8, 9, 8, blue, 1 }));
    EXPECT_EQ(lines[2], (Op::Line { 9, 8, 9, 10, blue, 1 }));
    EXPECT_EQ(lines[3], (Op::Line { 5, 18, 5, 16, blue, 1 }));
    EXPECT_EQ(lines[4], (Op::Line { 5, 16, 9, 16, blue, 1 }));
}

TEST(PlanarModeChart, ThePrintedChartHasTheOutlineOnlyAboveTheFrame)
{
    const OpList ops = draw(SurfaceKind::Printer, shapes(1), flagsOf<ModeFlags>({ 10 }));
    const std::vector<Op::Line> lines = outlineLines(ops);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], (Op::Line { 5, 8, 9, 8, Palette::colour(1), 1 }));
    EXPECT_EQ(modeLines(ops).size(), 2u);
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
    const Op::Text comment = std::get<Op::Text>(ops[ops.size() - 2]);
    EXPECT_EQ(comment.text, QStringLiteral("comment"));
    EXPECT_EQ(comment.x, 10);
    EXPECT_EQ(comment.font, QStringLiteral("times new roman"));
    // The frame's edges in FrameWidth.
    EXPECT_EQ(std::get<Op::Line>(*std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) { return std::holds_alternative<Op::Line>(op); })).width, 3);
}

TEST(PlanarModeChart, Titles)
{
    const OpList ops = draw(SurfaceKind::Screen, shapes(1), flagsOf<ModeFlags>({ 10 }));
    std::vector<Op::Text> texts;
    for (const SurfaceOp& op : ops) {
        if (const auto* t = std::get_if<Op::Text>(&op); t && t->text.size() == 1 && t->text[0].isLetter())
            texts.push_back(*t);
    }
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, QStringLiteral("T"));
    EXPECT_EQ(texts[0].x, 4);
    EXPECT_EQ(texts[0].y, 8);
    EXPECT_EQ(texts[1].y, 19.5);
    EXPECT_EQ(texts[2].angle, 90);
    EXPECT_EQ(texts[2].font, QStringLiteral("Century"));
    EXPECT_EQ(texts[2].x, 1.5);
    EXPECT_EQ(texts[2].y, 16);
    EXPECT_EQ(std::get<Op::Text>(ops.back()).font, QStringLiteral("Small Fonts"));
}

TEST(PlanarModeChart, AZeroRangeOrAnOverflowStillEndsWithTheComment)
{
    Mirno1Settings s = settings();
    s.X.max = s.X.min;
    OpList ops = draw(SurfaceKind::Printer, shapes(2), flagsOf<ModeFlags>({ 10 }), s);
    EXPECT_TRUE(std::none_of(ops.begin(), ops.end(), [](const SurfaceOp& op) { return std::holds_alternative<Op::Line>(op); }));
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));

    PlanarModeShapes big = shapes(2);
    big.setShapeLine(2, 0, { 0, 3e38f, 0 });
    ops = draw(SurfaceKind::Screen, big, flagsOf<ModeFlags>({ 10 }));
    EXPECT_EQ(modeLines(ops).size(), 2u);
    EXPECT_EQ(std::get<Op::Text>(ops.back()).text, QStringLiteral("comment"));
}

TEST(PlanarModeChart, AChartTooLargeToDrawStopsAtTheLimit)
{
    PlanarModeShapes s = shapes(0, 32767);
    s.N2 = 32767;
    const OpList ops = draw(SurfaceKind::Screen, s, flagsOf<ModeFlags>({ 10 }));
    EXPECT_LE(modeLines(ops).size(), std::size_t(kMaxModeSegments));
    EXPECT_EQ(std::get<Op::Text>(ops.back()).text, QStringLiteral("comment"));
}

} // namespace
} // namespace kavel::test
