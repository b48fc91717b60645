#include "wespar/deflectionchart.h"
#include "wespar/deflectiondata.h"
#include "wespar/wesparsettings.h"

#include "framework/models/rotormodel.h"
#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"
#include "support/framedsettings.h"
#include "support/qtprint.h"
#include "support/readtext.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Scales that are powers of two keep every chart coordinate exact: x 1/128
// cm per mm from 6, deflection 24 cm per mm with its zero at 15, outline
// 3/256 cm per mm with its zero at 8.5.
WesparSettings settings()
{
    WesparSettings s = framedSettings<WesparSettings>({ 0, 1024, 512, 8 }, { -0.125, 0.125, 0.125, 6 }, QStringLiteral("X"), QStringLiteral("W"), QStringLiteral("T"));
    s.R = { -128, 128, 128, 3 };
    s.CurveWidth = 2;
    s.ContourMode = 1;
    s.RTitle = QStringLiteral("R");
    return s;
}

DeflectionData deflection()
{
    DeflectionData d;
    d.FileComment = QStringLiteral("comment");
    d.n = 3;
    d.xs = { 0, 512, 1024 };
    d.defl = { -0.125f, 0, 0.125f };
    return d;
}

// One element from x 0 to 512, outer diameter 128, bore 64.
RotorModel oneElement()
{
    return readText<RotorModel>(ReadRotorModelText, QStringLiteral("h\r\nc\r\n 1\r\n 1 0 0 0\r\n 1 0 128 64\r\n 1 512 128 64\r\n 1 512 0 0\r\n"));
}

OpList draw(SurfaceKind kind, const WesparSettings& s, const DeflectionData& d = deflection(), const RotorModel& m = oneElement())
{
    RecordingSurface surface(kind);
    DrawDeflectionChart(surface, s, d, m);
    return surface.takeOps();
}

const Op::Text* textOf(const OpList& ops, const QString& text)
{
    for (const SurfaceOp& op : ops) {
        if (const auto* t = std::get_if<Op::Text>(&op); t && t->text == text)
            return t;
    }
    return nullptr;
}

// The curve and outline lines: everything drawn after the outline's Y title.
std::vector<Op::Line> curves(const OpList& ops)
{
    auto it = std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->text == QLatin1String("R");
    });
    return all<Op::Line>(OpList(it, ops.end()));
}

Op::Line line(float x1, float y1, float x2, float y2, int width = 1)
{
    return { x1, y1, x2, y2, kBlack, width };
}

TEST(DeflectionChart, TheOutlineChartStandsTwoCentimetresAboveTheDeflectionChart)
{
    WesparSettings s = settings();
    EXPECT_EQ(OriginY2(s), 10);
    const std::vector<Op::Line> lines = all<Op::Line>(draw(SurfaceKind::Screen, s));
    // The bottom edges of both frames, the deflection chart's first.
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], line(6, 18, 14, 18));
    auto outlineBottom = std::find(lines.begin(), lines.end(), line(6, 10, 14, 10));
    EXPECT_NE(outlineBottom, lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), line(6, 7, 14, 7)), lines.end()) << "outline frame's top edge";

    s.Y.length = 10;
    EXPECT_EQ(OriginY2(s), 6);
}

TEST(DeflectionChart, YLabelsStandTwoCentimetresLeftOfTheFrames)
{
    const OpList ops = draw(SurfaceKind::Screen, settings());
    const std::vector<Op::Point> points = all<Op::Point>(ops);
    // Labels from 0 outward on both sides: the deflection chart's at 15
    // (twice), 12 and 18, the outline chart's at 8.5 (twice), 7 and 10.
    std::vector<float> labelRows;
    for (const Op::Point& p : points) {
        EXPECT_NE(p.x, 4.5f);
        if (p.x == 4)
            labelRows.push_back(p.y + 0.3f);
    }
    std::sort(labelRows.begin(), labelRows.end());
    const std::vector<float> expected { 7, 8.5, 8.5, 10, 12, 15, 15, 18 };
    ASSERT_EQ(labelRows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_FLOAT_EQ(labelRows[i], expected[i]) << i;
}

TEST(DeflectionChart, APositiveDeflectionIsDrawnBelowTheZeroLine)
{
    const std::vector<Op::Line> lines = curves(draw(SurfaceKind::Screen, settings()));
    ASSERT_GE(lines.size(), 2u);
    // -0.125 above the zero line at 15, +0.125 below it.
    EXPECT_EQ(lines[0], line(6, 12, 10, 15));
    EXPECT_EQ(lines[1], line(10, 15, 14, 18));
}

TEST(DeflectionChart, BothHalvesOfTheOutlineUnlessContourModeIsTwo)
{
    WesparSettings s = settings();
    std::vector<Op::Line> lines = curves(draw(SurfaceKind::Screen, s));
    ASSERT_EQ(lines.size(), 2u + 3 * 4);
    // Point 1 to 2 of the upper outer, upper inner, lower outer, lower inner contour.
    EXPECT_EQ(lines[2], line(6, 8.5, 6, 7.75));
    EXPECT_EQ(lines[3], line(6, 8.5, 6, 8.125));
    EXPECT_EQ(lines[4], line(6, 8.5, 6, 9.25));
    EXPECT_EQ(lines[5], line(6, 8.5, 6, 8.875));
    EXPECT_EQ(lines[6], line(6, 7.75, 10, 7.75));

    s.ContourMode = 2;
    lines = curves(draw(SurfaceKind::Screen, s));
    ASSERT_EQ(lines.size(), 2u + 3 * 2);
    for (std::size_t i = 2; i < lines.size(); ++i)
        EXPECT_LE(std::max(lines[i].y1, lines[i].y2), 8.5) << i;

    s.ContourMode = 7;
    EXPECT_EQ(curves(draw(SurfaceKind::Screen, s)).size(), 2u + 3 * 4);
}

TEST(DeflectionChart, TitlesOnTheScreen)
{
    const OpList ops = draw(SurfaceKind::Screen, settings());
    const Op::Text* title = textOf(ops, QStringLiteral("T"));
    ASSERT_NE(title, nullptr);
    // Above the outline chart by its own height (3), not the deflection chart's (6).
    EXPECT_EQ(title->x, 10);
    EXPECT_EQ(title->y, 5);
    const Op::Text* xTitle = textOf(ops, QStringLiteral("X"));
    ASSERT_NE(xTitle, nullptr);
    EXPECT_EQ(xTitle->y, 19.5);
    const Op::Text* yTitle = textOf(ops, QStringLiteral("W"));
    const Op::Text* rTitle = textOf(ops, QStringLiteral("R"));
    ASSERT_TRUE(yTitle && rTitle);
    EXPECT_EQ(yTitle->angle, 90);
    EXPECT_EQ(yTitle->height, 15);
    EXPECT_EQ(yTitle->x, 1.5);
    EXPECT_EQ(yTitle->y, 15 + 5);
    EXPECT_EQ(rTitle->y, 8.5 + 4);
    const Op::Text last = std::get<Op::Text>(ops.back());
    EXPECT_EQ(last.text, QStringLiteral("comment"));
    EXPECT_EQ(last.x, 5);
    EXPECT_EQ(last.font, QStringLiteral("Small Fonts"));
}

TEST(DeflectionChart, ThePageHasLevelYTitlesAndCurvesInCurveWidth)
{
    const OpList ops = draw(SurfaceKind::Printer, settings());
    const Op::Text* yTitle = textOf(ops, QStringLiteral("W"));
    const Op::Text* rTitle = textOf(ops, QStringLiteral("R"));
    ASSERT_TRUE(yTitle && rTitle);
    EXPECT_EQ(yTitle->angle, 0);
    EXPECT_EQ(yTitle->x, 0.5);
    EXPECT_EQ(yTitle->y, 16.5);
    EXPECT_EQ(rTitle->angle, 0);
    EXPECT_EQ(rTitle->y, 9.25);
    const std::vector<Op::Line> lines = curves(ops);
    ASSERT_EQ(lines.size(), 14u);
    for (const Op::Line& l : lines)
        EXPECT_EQ(l.width, 2);
    EXPECT_EQ(lines[0], line(6, 12, 10, 15, 2));
    // The frames' edges in FrameWidth.
    EXPECT_EQ(all<Op::Line>(ops)[0].width, 3);
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
    const Op::Text comment = std::get<Op::Text>(ops[ops.size() - 2]);
    EXPECT_EQ(comment.text, QStringLiteral("comment"));
    EXPECT_EQ(comment.x, 10);
    EXPECT_EQ(comment.y, 0);
}

TEST(DeflectionChart, AZeroRangeDrawsOnlyTheComment)
{
    WesparSettings s = settings();
    s.R.max = s.R.min;
    OpList ops = draw(SurfaceKind::Screen, s);
    EXPECT_TRUE(all<Op::Line>(ops).empty());
    EXPECT_EQ(std::get<Op::Text>(ops.back()).text, QStringLiteral("comment"));

    ops = draw(SurfaceKind::Printer, s);
    EXPECT_TRUE(all<Op::Line>(ops).empty());
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
}

TEST(DeflectionChart, AnOverflowingDeflectionStopsBeforeTheCurves)
{
    DeflectionData d = deflection();
    d.defl[2] = 3e38f;
    const OpList ops = draw(SurfaceKind::Screen, settings(), d);
    EXPECT_TRUE(curves(ops).empty());
    EXPECT_EQ(std::get<Op::Text>(ops.back()).text, QStringLiteral("comment"));
}

} // namespace
} // namespace kavel::test
