#pragma once

#include "framework/surface/surfaceops.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>

namespace kavel {

// The clip a recorded chart sets (Op::Clip until Op::Unclip), applied alike
// by every output and by DrawnExtent: in chart centimetres, so a PDF, an SVG
// (whose generator has no clipping of its own) and the picture cut a curve
// at the same place.
class ClipRegion {
public:
    // Takes a Clip or Unclip operation; false for any other.
    bool follow(const SurfaceOp& op);
    bool active() const { return m_rect.has_value(); }

    // The part of the line inside the clip (all of it without one); nullopt
    // when none of it is.
    std::optional<QLineF> line(const QLineF& line) const;
    // Whether a point, circle or text anchored at `p` is shown.
    bool contains(const QPointF& p) const;

private:
    std::optional<QRectF> m_rect;
};

} // namespace kavel
