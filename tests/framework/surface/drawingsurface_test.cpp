#include "framework/surface/recordingsurface.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const Op::Text& textAt(const OpList& ops, std::size_t i)
{
    return std::get<Op::Text>(ops.at(i));
}

} // namespace

TEST(DrawingSurface, PrintOfZeroIsBlankZeroBlank)
{
    RecordingSurface s;
    s.printNumber(0);
    EXPECT_EQ(textAt(s.ops(), 0).text, " 0 ");
}

TEST(DrawingSurface, PrintsStackLineUnderLineFromTheLeftEdge)
{
    RecordingSurface s;
    s.setFontName(QStringLiteral("times new roman"));
    s.setFontSize(12);
    s.point(5, 3, 7);
    s.print(QStringLiteral("a"));
    s.print(QStringLiteral("b"));
    const Op::Text& a = textAt(s.ops(), 1);
    const Op::Text& b = textAt(s.ops(), 2);
    EXPECT_EQ(a.x, 5.f);
    EXPECT_EQ(a.y, 3.f);
    EXPECT_EQ(b.x, 0.f);
    EXPECT_GT(b.y, a.y);
    EXPECT_NEAR(b.y - a.y, 12 * 2.54 / 72 * 1.15, 1e-5);
}

TEST(DrawingSurface, LinesAndPointsMoveTheCurrentPosition)
{
    RecordingSurface s;
    s.setLineWidth(3);
    s.line(1, 2, 3, 4);
    EXPECT_EQ(s.currentPosition(), QPointF(3, 4));
    s.point(7, 8, 12);
    EXPECT_EQ(s.ops().at(0), SurfaceOp(Op::Line { 1, 2, 3, 4, { 0, 0, 0 }, 3 }));
    EXPECT_EQ(s.ops().at(1), SurfaceOp(Op::Point { 7, 8, { 255, 0, 0 }, 3 }));
    s.clear();
    EXPECT_EQ(s.currentPosition(), QPointF(0, 0));
    ASSERT_EQ(s.ops().size(), 1u) << "a clear starts the picture anew";
}

TEST(DrawingSurface, RotatedFontLastsUntilTheOwnFontIsSetAgain)
{
    RecordingSurface s;
    s.setFontName(QStringLiteral("times new roman"));
    s.setFontSize(8);
    s.selectRotatedFont(QStringLiteral("times new roman"), 15);
    s.print(QStringLiteral("Y"));
    s.print(QStringLiteral("still rotated"));
    s.resetOwnFont();
    s.print(QStringLiteral("upright"));
    EXPECT_EQ(textAt(s.ops(), 0).angle, 90);
    EXPECT_EQ(textAt(s.ops(), 0).height, 15);
    EXPECT_EQ(textAt(s.ops(), 1).angle, 90);
    EXPECT_EQ(textAt(s.ops(), 2).angle, 0);
    EXPECT_EQ(textAt(s.ops(), 2).size, 8);

    s.selectRotatedFont(QStringLiteral("times new roman"), 15);
    s.setFontSize(10);
    s.print(QStringLiteral("setting the size drops it"));
    EXPECT_EQ(textAt(s.ops(), 3).angle, 0);
}

TEST(DrawingSurface, JsonLinesSpellEveryOperation)
{
    RecordingSurface s(SurfaceKind::Printer);
    s.setFontName(QStringLiteral("times new roman"));
    s.setFontSize(12);
    s.line(0.5, 1, 2, 3.25, 9);
    s.point(5, 18.2, 7);
    s.printNumber(-100);
    s.selectRotatedFont(QString::fromUtf8("標準明朝"), 20);
    s.point(1.5, 16, 7);
    s.print(QString::fromUtf8("半径 \"mm\""));
    s.circle(1, 2, 0.5, 4);
    s.endDocument();
    s.resetOwnFont();
    s.point(3, 4);
    s.printNumber(-0.5, TextAnchor::TopRight);
    s.clip(QRectF(4, 18, 21, -15));
    s.unclip();
    const OpList& ops = s.ops();
    EXPECT_EQ(toJson(ops[0]), R"({"op":"line","x1":0.5,"y1":1,"x2":2,"y2":3.25,"rgb":[0,0,255],"width":1})");
    EXPECT_EQ(toJson(ops[1]), R"({"op":"point","x":5,"y":18.2000008,"rgb":[192,192,192],"width":1})");
    EXPECT_EQ(toJson(ops[2]), R"({"op":"text","x":5,"y":18.2000008,"text":"-100 ","font":"times new roman","size":12,"angle":0})");
    EXPECT_EQ(toJson(ops[4]).toStdString(), R"({"op":"text","x":1.5,"y":16,"text":"半径 \"mm\"","font":"標準明朝","height":20,"angle":90})");
    EXPECT_EQ(toJson(ops[5]), R"({"op":"circle","x":1,"y":2,"r":0.5,"rgb":[128,0,0],"width":1})");
    EXPECT_EQ(toJson(ops[6]), R"({"op":"end_document"})");
    EXPECT_EQ(toJson(ops[8]), R"({"op":"text","x":3,"y":4,"text":"-.5 ","font":"times new roman","size":12,"angle":0,"anchor":"top-right"})");
    // A clip is its rectangle's top-left corner and size, however given.
    EXPECT_EQ(toJson(ops[9]), R"({"op":"clip","x":4,"y":3,"w":21,"h":15})");
    EXPECT_EQ(toJson(ops[10]), R"({"op":"unclip"})");
}

} // namespace kavel::test
