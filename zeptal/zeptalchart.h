#pragma once

#include "curveflags.h"
#include "unbalanceresponse.h"

#include "framework/chart/chartpair.h"

namespace kavel {

struct ZeptalSettings;

// Which chart the viewer shows: 1 the Bode chart (at every start), 2 polar.
enum ChartStyles { BodeChart = FirstChart, PolarChart = SecondChart };

// The ZEPTAL chart of the given style:
// DrawZeptalChart(surface, settings, data, curveFlags, chartStyle, markers).
// On a screen surface the "3:Plot" chart (cleared first); on a printer
// surface the "4:Print" page (centimetres, landscape, ended). A chart that
// stops early (a zero range) still gets the file comment, and on paper the
// end of the document. `markers` (speed against amplitude) are drawn over
// the Bode chart's curves.
extern const ChartPair<ZeptalSettings, UnbalanceResponse, CurveFlags> DrawZeptalChart;

} // namespace kavel
