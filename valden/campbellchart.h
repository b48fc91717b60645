#pragma once

#include "showcurve.h"

#include "framework/results/chartmarkers.h"

#include <QPointF>
#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;
struct ChartGeometry;
struct EigenData;
struct ValdenSettings;

// The XY chart's origin: the frame's lower-left corner.
inline constexpr QPointF kValdenOrigin { 4, 18 };

// The XY (Campbell) frame: the edges and the zero-frequency line, the speed
// grid, the frequency ticks, and while damping curves are shown
// (DampingShown ≠ 0) lines across at every frequency tick and the damping
// scale on the right edge; last the synchronous line (frequency in Hz equal
// to speed in rps). On the printer the edges and the zero line are drawn in
// FrameWidth and the rest in width 1.
void DrawCampbellFrame(DrawingSurface& surface, const ValdenSettings& settings, const ChartGeometry& g, int DampingShown);

// The colour of each mode on the XY chart: the modes it draws (their
// frequency or damping curve shown) take the curve colours in turn, the
// others none.
std::vector<std::optional<int>> XYModeColours(const EigenData& data, const ShowCurveFlags& ShowCurve);

// The XY chart body: frame, titles, then frequency and damping curves of
// every shown mode, each mode in the next curve colour, then the markers
// (speed against frequency). Draws nothing when a range is zero.
void DrawXYChart(DrawingSurface& surface, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve,
    const ChartMarkers& markers = {});

} // namespace kavel
