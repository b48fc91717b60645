#pragma once

namespace kavel {

class DrawingSurface;

// An axis drawn as an arrow from (x1, y1) to its head at (x2, y2): the line,
// then the head's two strokes, each reaching from `headLength` back along
// the axis and `headHalfWidth` to one side into the tip; first the stroke
// on the left of the direction of travel as the page shows it (above a
// rightward axis, left of an upward one). A line of no length has no head.
void DrawArrow(DrawingSurface& surface, double x1, double y1, double x2, double y2, double headLength, double headHalfWidth);

} // namespace kavel
