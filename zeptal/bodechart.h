#pragma once

#include "chartpos.h"
#include "curveflags.h"

#include "framework/chart/chartframe.h"
#include "framework/results/chartmarkers.h"

namespace kavel {

class DrawingSurface;
struct ZeptalSettings;

inline constexpr QPointF kBodeOrigin { 4, 18 };

// The Bode frame's inputs: on screen X ticks run the full frame height and
// Y labels stand 2 cm left of the frame, with a grid line after each only
// while no phase curve is selected; on paper the framework's plain frame.
FrameInputs BodeFrameInputs(const ZeptalSettings& settings, const ChartGeometry& g, int phaseCount, bool printer);

// Chart units per degree of phase: 90 degrees take one amplitude division.
double PhaseScale(const ZeptalSettings& settings, const ChartGeometry& g);

// Speeds to chart x, amplitudes and phases to chart y. Phase 0 lies one
// frame height above the amplitude zero line, −90·m on phase-scale line m.
void MapBode(const UnbalanceResponse& data, const ZeptalSettings& settings, const ChartGeometry& g, ChartPos& chartPos);

// The colour of each curve on the Bode chart: the curves it draws (their
// amplitude or phase shown) take the curve colours in turn, the others none.
std::vector<std::optional<int>> BodeCurveColours(const UnbalanceResponse& data, const CurveFlags& curveFlags);

// The Bode chart after the surface is prepared: nothing when a range is 0.
// The markers (speed against amplitude) come after the curves.
void DrawBodeChart(DrawingSurface& surface, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags,
    const ChartMarkers& markers = {});

} // namespace kavel
