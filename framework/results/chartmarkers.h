#pragma once

#include <QRectF>
#include <functional>
#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;
struct ChartGeometry;

// A viewer's results marked on its chart, in the units of its data; each
// chart places them with its own axes. Marks are drawn only inside the
// frame, in palette colours, after the curves.
struct ChartMarkers {
    enum class Shape {
        Circle, // a crossing, a peak
        Tick,   // a half-power point: a short vertical stroke
    };
    struct Point {
        double x;
        double y;
        int colour;
        Shape shape = Shape::Circle;
    };
    // A horizontal line between two x at one y (the half-power band).
    struct Level {
        double x1;
        double x2;
        double y;
        int colour;
    };
    // A line up the whole frame at one x (a stiffness).
    struct Vertical {
        double x;
        int colour;
    };

    std::vector<Point> points;
    std::vector<Level> levels;
    std::vector<Vertical> verticals;

    bool empty() const { return points.empty() && levels.empty() && verticals.empty(); }
};

// Where a chart places its data: the frame in chart centimetres, and each
// axis from a data value to a chart coordinate (none where the value has no
// place on it, such as 0 on a log axis).
struct MarkerAxes {
    QRectF frame;
    std::function<std::optional<double>(double)> x;
    std::function<std::optional<double>(double)> y;

    // A chart of linear axes: its frame of `xLength` × `yLength` cm on the
    // geometry's origin, each value placed by the geometry.
    static MarkerAxes linear(const ChartGeometry& g, double xLength, double yLength);
};

// Circles of radius 0.15, ticks 0.5 high; verticals, then levels, then
// points. A mark that falls outside the frame is left out.
void DrawChartMarkers(DrawingSurface& surface, const ChartMarkers& markers, const MarkerAxes& axes);

} // namespace kavel
