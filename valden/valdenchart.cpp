#include "valdenchart.h"

#include "campbellchart.h"
#include "eigendata.h"
#include "gausschart.h"
#include "valdensettings.h"

#include "framework/chart/chartpage.h"

namespace kavel {

void DrawValdenChart(DrawingSurface& s, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve, int ChartMode,
    const ChartMarkers& markers)
{
    ChartPageStyle style;
    style.printerCommentX = 5;
    DrawOneOfTwoCharts(
        s, data.FileComment, style, ChartMode, [&] { DrawXYChart(s, settings, data, ShowCurve, markers); }, [&] { DrawGaussChart(s, settings, data, ShowCurve); });
}

} // namespace kavel
