#include "framework/output/clipregion.h"
#include "framework/output/drawnextent.h"
#include "framework/surface/recordingsurface.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

ClipRegion frame()
{
    ClipRegion clip;
    clip.follow(Op::Clip { 4, 3, 20, 15 });
    return clip;
}

TEST(ClipRegion, ALineIsCutWhereItLeavesTheFrame)
{
    const ClipRegion clip = frame();
    // From inside across the top edge (y 3): cut where y is 3.
    EXPECT_EQ(clip.line(QLineF(10, 13, 20, -7)), QLineF(10, 13, 15, 3));
    // Through the frame from left of it to right of it.
    EXPECT_EQ(clip.line(QLineF(0, 10, 30, 10)), QLineF(4, 10, 24, 10));
    // Wholly outside, and along an edge.
    EXPECT_FALSE(clip.line(QLineF(0, 0, 30, 1)));
    EXPECT_EQ(clip.line(QLineF(4, 5, 4, 30)), QLineF(4, 5, 4, 18));
    EXPECT_TRUE(clip.contains(QPointF(24, 18)));
    EXPECT_FALSE(clip.contains(QPointF(24.01, 18)));

    ClipRegion none = clip;
    none.follow(Op::Unclip {});
    EXPECT_EQ(none.line(QLineF(0, 0, 30, 1)), QLineF(0, 0, 30, 1));
    EXPECT_FALSE(none.follow(Op::Clear {}));
}

TEST(ClipRegion, WhatAClipHidesIsNotPartOfTheDrawnExtent)
{
    RecordingSurface s;
    s.line(5, 5, 6, 6);
    s.clip(QRectF(4, 3, 20, 15));
    s.line(10, 10, 10, -40); // runs up out of the frame
    s.point(50, 50);         // outside: not shown
    s.unclip();
    const std::optional<QRectF> extent = DrawnExtent(s.ops());
    ASSERT_TRUE(extent);
    EXPECT_EQ(*extent, QRectF(QPointF(5, 3), QPointF(10, 10)));
}

} // namespace
} // namespace kavel::test
