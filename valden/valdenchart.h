#pragma once

#include "eigendata.h"
#include "showcurve.h"

#include "framework/chart/chartpair.h"

namespace kavel {

struct ValdenSettings;

// Which chart the viewer shows: 1 the XY chart (at every start), 2 the
// Gauss-plane chart.
enum ChartModes { XYChart = FirstChart, GaussChart = SecondChart };

// The VALDEN chart in the given mode:
// DrawValdenChart(surface, settings, data, ShowCurve, ChartMode, markers).
// On a screen surface the "3:Plot" chart (cleared first); on a printer
// surface the "4:Print" page (centimetres, landscape, ended), its comment at
// 5 cm. A chart that stops early (a zero range) still gets its closing step:
// the file comment at the top left, and on paper the end of the document.
// `markers` (speed against frequency) are drawn over the XY chart's curves.
extern const ChartPair<ValdenSettings, EigenData, ShowCurveFlags> DrawValdenChart;

} // namespace kavel
