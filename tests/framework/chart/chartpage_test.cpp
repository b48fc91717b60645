#include "framework/chart/chartpage.h"
#include "framework/chart/chartpair.h"
#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// A body that leaves the surface in a wide line and a font of its own.
void body(DrawingSurface& s)
{
    s.setLineWidth(5);
    s.printAt(1, 2, QStringLiteral("body"));
}

} // namespace

TEST(ChartPage, TheScreenIsClearedAndEndsWithTheCommentInSmallFonts)
{
    RecordingSurface s;
    DrawChartPage(s, QStringLiteral("comment"), ChartPageStyle {}, [&] { body(s); });
    const OpList ops = s.ops();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_TRUE(std::holds_alternative<Op::Clear>(ops.front()));
    EXPECT_EQ(std::get<Op::Text>(ops[2]).font, QStringLiteral("times new roman")) << "the body's font";
    EXPECT_EQ(ops[3], SurfaceOp(Op::Point { 5, 0, kGrey, 5 }));
    EXPECT_EQ(ops[4], SurfaceOp(Op::Text { 5, 0, "comment", "Small Fonts", 7, 0, 0, kBlack }));
    EXPECT_EQ(s.fontName(), QStringLiteral("System"));
}

TEST(ChartPage, ThePageKeepsTheChartsFontUnlessToldAndIsEnded)
{
    RecordingSurface plain(SurfaceKind::Printer);
    ChartPageStyle own;
    own.printerKeepsOwnFont = true;
    DrawChartPage(plain, QStringLiteral("c"), own, [&] { body(plain); });
    const OpList ops = plain.ops();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_FALSE(std::holds_alternative<Op::Clear>(ops.front()));
    EXPECT_EQ(ops[2], SurfaceOp(Op::Point { 10, 0, kGrey, 5 }));
    EXPECT_EQ(ops[3], SurfaceOp(Op::Text { 10, 0, "c", "System", 8, 0, 0, kBlack }));
    EXPECT_TRUE(std::holds_alternative<Op::EndDocument>(ops.back()));

    RecordingSurface thin(SurfaceKind::Printer);
    ChartPageStyle style;
    style.printerCommentX = 4;
    style.printerThinComment = true;
    style.printerCommentFont = style.commentFont;
    DrawChartPage(thin, QStringLiteral("c"), style, [&] { body(thin); });
    EXPECT_EQ(thin.ops()[2], SurfaceOp(Op::Point { 4, 0, kGrey, 1 }));
    EXPECT_EQ(thin.ops()[3], SurfaceOp(Op::Text { 4, 0, "c", "Small Fonts", 7, 0, 0, kBlack }));
}

namespace {

struct PairSettings { };
struct PairData {
    QString FileComment;
};
struct PairFlags { };

void firstChart(DrawingSurface& s, const PairSettings&, const PairData&, const PairFlags&, const ChartMarkers& markers)
{
    s.printAt(1, 1, QStringLiteral("first %1").arg(markers.points.size()));
}

void secondChart(DrawingSurface& s, const PairSettings&, const PairData&, const PairFlags&)
{
    s.printAt(1, 1, QStringLiteral("second"));
}

constexpr ChartPair<PairSettings, PairData, PairFlags> kPair { firstChart, secondChart, 3 };

} // namespace

TEST(ChartPair, ChartOneTakesTheMarkersAnyOtherDrawsTheSecondOnThePageOfItsOwnFont)
{
    ChartMarkers markers;
    markers.points = { { 1, 1, 0 } };
    RecordingSurface screen;
    kPair(screen, {}, { QStringLiteral("c") }, {}, FirstChart, markers);
    EXPECT_EQ(std::get<Op::Text>(screen.ops()[2]).text, "first 1");

    RecordingSurface page(SurfaceKind::Printer);
    kPair(page, {}, { QStringLiteral("c") }, {}, SecondChart, markers);
    const OpList ops = page.ops();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[1], SurfaceOp(Op::Text { 1, 1, "second", "System", 8, 0, 0, kBlack })) << "the printer keeps its own font";
    EXPECT_EQ(ops[2], SurfaceOp(Op::Point { 3, 0, kGrey, 1 }));
}

} // namespace kavel::test
