#pragma once

#include "drawingoptions.h"

#include "framework/results/chartmarkers.h"

namespace kavel {

class DrawingSurface;
struct CriticalSpeedMap;
struct HolpixSettings;

// The critical speed map: frame and axes (linear or logarithmic as
// axisOptions choose), the titles, the selected curves and the file
// comment. On a screen surface the "3:Plot" chart (cleared first), on a
// printer surface the "4:Print" page (ended). A log axis may replace a
// non-positive minimum in `settings`. `markers` (stiffness against
// frequency) are drawn over the curves.
void DrawCriticalSpeedMap(DrawingSurface& surface, HolpixSettings& settings, const CriticalSpeedMap& map,
    const MapCurveFlags& curveFlags, const AxisOptions& axisOptions, const ChartMarkers& markers = {});

} // namespace kavel
