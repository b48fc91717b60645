#include "framework/chart/chartpage.h"
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

} // namespace kavel::test
