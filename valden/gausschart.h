#pragma once

#include "showcurve.h"

#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;
struct ChartGeometry;
struct EigenData;
struct ValdenSettings;

// The Gauss-plane frame: no rectangle, but the real axis (at omega = 0, 2 cm
// beyond the range) and the imaginary axis (at sigma = 0, from below the
// range to 1 cm above it), each with an arrowhead; the real ticks on the
// bottom line of the range, the imaginary ticks on the imaginary axis. On
// the printer the axes and heads are drawn in FrameWidth, the ticks in 1.
void DrawGaussFrame(DrawingSurface& surface, const ValdenSettings& settings, const ChartGeometry& g);

// The colour of each mode on the Gauss chart: mode j the j-th curve colour
// while its path is shown, whether or not the others are; otherwise none.
std::vector<std::optional<int>> GaussModeColours(const EigenData& data, const ShowCurveFlags& ShowCurve);

// The Gauss chart body: frame, horizontal titles, then the path of every
// shown mode through the speed steps, in its colour. Draws nothing when a
// range is zero.
void DrawGaussChart(DrawingSurface& surface, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve);

} // namespace kavel
