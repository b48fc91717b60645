#pragma once

#include "chartpos.h"
#include "curveflags.h"

#include "framework/chart/chartframe.h"

#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;
struct ZeptalSettings;

inline constexpr QPointF kPolarOrigin { 3, 18 };

// The polar chart's values: both scales (Ylength / 2) / Ymax, the circle's
// centre in OffsetX/OffsetY and CentreX/CentreY. Nullopt when Ymax is 0.
std::optional<ChartGeometry> PolarGeometry(const ZeptalSettings& settings);

// Circles every Ypitch out to Ymax, radial lines every 30 degrees, ticks
// every 10 on the outer tenth, each of the four spokes labelled with the
// phase MapPolar plots on it (0, -90 above, -180, -270). On screen in
// dark grey; on paper black, with only the radius-label points grey.
void DrawPolarGrid(DrawingSurface& surface, const ZeptalSettings& settings, const ChartGeometry& g);

// Each point at radius amplitude, angle phase: positive phase turns
// clockwise on the page (y grows downward).
void MapPolar(const UnbalanceResponse& data, const ChartGeometry& g, ChartPos& chartPos);

// The colour of each curve on the polar chart: the curves whose amplitude is
// shown take the curve colours in turn (the phase flags have no say here),
// the others none.
std::vector<std::optional<int>> PolarCurveColours(const UnbalanceResponse& data, const CurveFlags& curveFlags);

// The polar chart after the surface is prepared: nothing when Ymax is 0.
void DrawPolarChart(DrawingSurface& surface, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags);

} // namespace kavel
