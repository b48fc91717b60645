#include "chartmarkers.h"

#include "framework/chart/chartframe.h"
#include "framework/surface/drawingsurface.h"

#include <cmath>

namespace kavel {

namespace {

constexpr double kCircleRadius = 0.15;
constexpr double kTickHalfHeight = 0.25;
// Room for rounding at the frame's edges.
constexpr double kEdge = 1e-9;

bool insideX(const QRectF& frame, double x)
{
    return std::isfinite(x) && x >= frame.left() - kEdge && x <= frame.right() + kEdge;
}

bool insideY(const QRectF& frame, double y)
{
    return std::isfinite(y) && y >= frame.top() - kEdge && y <= frame.bottom() + kEdge;
}

} // namespace

MarkerAxes MarkerAxes::linear(const ChartGeometry& g, double xLength, double yLength)
{
    return { g.frame(xLength, yLength), [g](double x) { return std::optional(g.chartX(x)); }, [g](double y) { return std::optional(g.chartY(y)); } };
}

void DrawChartMarkers(DrawingSurface& s, const ChartMarkers& markers, const MarkerAxes& axes)
{
    const QRectF& frame = axes.frame;
    for (const ChartMarkers::Vertical& v : markers.verticals) {
        const std::optional<double> x = axes.x(v.x);
        if (x && insideX(frame, *x))
            s.line(*x, frame.bottom(), *x, frame.top(), v.colour);
    }
    for (const ChartMarkers::Level& level : markers.levels) {
        const std::optional<double> x1 = axes.x(level.x1), x2 = axes.x(level.x2), y = axes.y(level.y);
        if (x1 && x2 && y && insideX(frame, *x1) && insideX(frame, *x2) && insideY(frame, *y))
            s.line(*x1, *y, *x2, *y, level.colour);
    }
    for (const ChartMarkers::Point& p : markers.points) {
        const std::optional<double> x = axes.x(p.x), y = axes.y(p.y);
        if (!x || !y || !insideX(frame, *x) || !insideY(frame, *y))
            continue;
        if (p.shape == ChartMarkers::Shape::Circle)
            s.circle(*x, *y, kCircleRadius, p.colour);
        else
            s.line(*x, *y - kTickHalfHeight, *x, *y + kTickHalfHeight, p.colour);
    }
}

} // namespace kavel
