#pragma once

#include "chartframe.h"

#include "framework/results/resultrow.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/plotarea.h"

#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

namespace kavel {

// The curves of a chart of paths through a plane (the Gauss plane's, the
// polar chart's), curve j over its samples i = 1 … samples as the speed
// rises: each curve that takes a colour (colours[j − 1]; see DrawnCurves)
// drawn from sample to sample in it, on paper in `printerCurveWidth`, and
// described as a path of `area`, which is then given to the surface.
// value(i, j) is the sample's values, speed(i) its speed, chart(i, j) where
// it lands on the page (NaN where it has no place); `name` holds %1 for the
// curve's number ("mode %1"). A template: the callables run for every
// sample of a chart that may hold millions.
template <class Value, class Speed, class Chart>
void DrawPaths(DrawingSurface& surface, PlotArea area, const QString& name, int samples, const std::vector<std::optional<int>>& colours,
    double printerCurveWidth, Value value, Speed speed, Chart chart)
{
    const PrinterLineWidth curveWidth(surface, printerCurveWidth);
    for (const DrawnCurve& curve : DrawnCurves(colours)) {
        const int j = curve.number;
        area.curves.push_back(PlotCurve::path(name.arg(j), samples, [&](qint64 i) { return value(int(i), j).x(); },
            [&](qint64 i) { return value(int(i), j).y(); }, [&](qint64 i) { return speed(int(i)); }));
        for (int i = 2; i <= samples; ++i) {
            const QPointF from = chart(i - 1, j), to = chart(i, j);
            surface.segment(from.x(), from.y(), to.x(), to.y(), curve.colour);
        }
    }
    surface.describe(std::move(area));
}

} // namespace kavel
