#include "valdenchart.h"

#include "campbellchart.h"
#include "eigendata.h"
#include "gausschart.h"
#include "valdensettings.h"

#include "framework/chart/chartpage.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

namespace kavel {

void DrawValdenChart(DrawingSurface& s, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve, int ChartMode,
    const ChartMarkers& markers)
{
    // The printed page keeps the printer's own font.
    ChartPageStyle style;
    style.printerKeepsOwnFont = true;
    style.printerCommentX = 5;
    DrawChartPage(s, data.FileComment, style, [&] {
        if (ChartMode == XYChart)
            DrawXYChart(s, settings, data, ShowCurve, markers);
        else
            DrawGaussChart(s, settings, data, ShowCurve);
    });
}

} // namespace kavel
