#pragma once

#include "framework/surface/plotarea.h"

#include <QPointF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;

// The curves of a chart of paths through a plane (the Gauss plane's, the
// polar chart's): curve j over its samples i = 1 … samples as the speed
// rises, with its values, the speed and where each sample lands on the page
// (NaN where it has no place).
struct PathCurves {
    QString name; // with %1 for the curve's number: "mode %1"
    int samples = 0;
    std::function<QPointF(int i, int j)> value;
    std::function<double(int i)> speed;
    std::function<QPointF(int i, int j)> chart;
};

// Each curve that takes a colour (colours[j − 1]; see DrawnCurves) drawn
// from sample to sample in it, on paper in `printerCurveWidth`, and
// described as a path of `area`, which is then given to the surface.
void DrawPaths(DrawingSurface& surface, PlotArea area, const PathCurves& paths, const std::vector<std::optional<int>>& colours, double printerCurveWidth);

} // namespace kavel
