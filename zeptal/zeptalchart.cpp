#include "zeptalchart.h"

#include "bodechart.h"
#include "polarchart.h"
#include "zeptalsettings.h"

#include "framework/chart/chartpage.h"

namespace kavel {

void DrawZeptalChart(DrawingSurface& s, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags, int chartStyle,
    const ChartMarkers& markers)
{
    DrawOneOfTwoCharts(
        s, data.FileComment, {}, chartStyle, [&] { DrawBodeChart(s, settings, data, curveFlags, markers); }, [&] { DrawPolarChart(s, settings, data, curveFlags); });
}

} // namespace kavel
