#pragma once

#include "curveflags.h"

#include "framework/chart/chartpage.h"
#include "framework/results/chartmarkers.h"

namespace kavel {

class DrawingSurface;
struct UnbalanceResponse;
struct ZeptalSettings;

// Which chart the viewer shows: 1 the Bode chart (at every start), 2 polar.
enum ChartStyles { BodeChart = FirstChart, PolarChart = SecondChart };

// The ZEPTAL chart of the given style. On a screen surface the "3:Plot"
// chart (cleared first); on a printer surface the "4:Print" page
// (centimetres, landscape, ended). A chart that stops early (a zero range)
// still gets the file comment, and on paper the end of the document.
// `markers` (speed against amplitude) are drawn over the Bode chart's curves.
void DrawZeptalChart(DrawingSurface& surface, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags, int chartStyle,
    const ChartMarkers& markers = {});

} // namespace kavel
