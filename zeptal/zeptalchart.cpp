#include "zeptalchart.h"

#include "bodechart.h"
#include "polarchart.h"
#include "zeptalsettings.h"

#include "framework/chart/chartpage.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

namespace kavel {

void DrawZeptalChart(DrawingSurface& s, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags, int chartStyle,
    const ChartMarkers& markers)
{
    // The printed page keeps the printer's own font.
    ChartPageStyle style;
    style.printerKeepsOwnFont = true;
    DrawChartPage(s, data.FileComment, style, [&] {
        if (chartStyle == BodeChart)
            DrawBodeChart(s, settings, data, curveFlags, markers);
        else
            DrawPolarChart(s, settings, data, curveFlags);
    });
}

} // namespace kavel
