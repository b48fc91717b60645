#include "paths.h"

#include "chartframe.h"

#include "framework/results/resultrow.h"
#include "framework/surface/drawingsurface.h"

namespace kavel {

void DrawPaths(DrawingSurface& surface, PlotArea area, const PathCurves& paths, const std::vector<std::optional<int>>& colours, double printerCurveWidth)
{
    const PrinterLineWidth curveWidth(surface, printerCurveWidth);
    for (const DrawnCurve& curve : DrawnCurves(colours)) {
        const int j = curve.number;
        area.curves.push_back(PlotCurve::path(paths.name.arg(j), paths.samples, [&](qint64 i) { return paths.value(int(i), j).x(); },
            [&](qint64 i) { return paths.value(int(i), j).y(); }, [&](qint64 i) { return paths.speed(int(i)); }));
        for (int i = 2; i <= paths.samples; ++i) {
            const QPointF from = paths.chart(i - 1, j), to = paths.chart(i, j);
            surface.segment(from.x(), from.y(), to.x(), to.y(), curve.colour);
        }
    }
    surface.describe(std::move(area));
}

} // namespace kavel
