#pragma once

#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;

// One mark of a second scale on a frame's right edge: a line across the
// frame (tick 0) or an inward tick of that length, optionally labelled.
struct ScaleMark {
    double y = 0;
    double tick = 0;
    std::optional<double> label;
};

// A second scale along the right edge at chart x `right` (a damping or a
// phase scale beside the chart's own Y axis). Lines across run from
// `lineFrom`; each label is printed at a light-grey point half a centimetre
// above its mark, just right of the edge.
void DrawRightScale(DrawingSurface& surface, double right, double lineFrom, const std::vector<ScaleMark>& marks);

} // namespace kavel
