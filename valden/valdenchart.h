#pragma once

#include "showcurve.h"

#include "framework/chart/chartpage.h"
#include "framework/results/chartmarkers.h"

namespace kavel {

class DrawingSurface;
struct EigenData;
struct ValdenSettings;

// Which chart the viewer shows: 1 the XY chart (at every start), 2 the
// Gauss-plane chart.
enum ChartModes { XYChart = FirstChart, GaussChart = SecondChart };

// The VALDEN chart in the given mode. On a screen surface the "3:Plot"
// chart (cleared first); on a printer surface the "4:Print" page
// (centimetres, landscape, ended). A chart that stops early (a zero range)
// still gets its closing step: the file comment at the top left, and on
// paper the end of the document. `markers` (speed against frequency) are
// drawn over the XY chart's curves.
void DrawValdenChart(DrawingSurface& surface, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve, int ChartMode,
    const ChartMarkers& markers = {});

} // namespace kavel
