#include "arrow.h"

#include "framework/surface/drawingsurface.h"

#include <cmath>

namespace kavel {

void DrawArrow(DrawingSurface& surface, double x1, double y1, double x2, double y2, double headLength, double headHalfWidth)
{
    surface.line(x1, y1, x2, y2);
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (!(length > 0) || !std::isfinite(length))
        return;
    // Along an axis the unit vector is exact, so the strokes start at the
    // very points the chart names (tip − 0.5, tip ± 0.3).
    const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
    const double backX = x2 - ux * headLength, backY = y2 - uy * headLength;
    // With y downward, (−uy, ux) points to the right of travel.
    const double px = -uy * headHalfWidth, py = ux * headHalfWidth;
    surface.line(backX - px, backY - py, x2, y2);
    surface.line(backX + px, backY + py, x2, y2);
}

} // namespace kavel
