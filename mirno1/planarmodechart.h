#pragma once

#include "mirno1settings.h"

#include <QPointF>

namespace kavel {

class DrawingSurface;
class PlanarModeShapes;
struct RotorModel;

inline constexpr QPointF kMirno1Origin { 5, 18 };
// The most mode segments one chart draws: a count of 32767 stations and
// modes in a small file would otherwise hold the window for minutes.
inline constexpr long long kMaxModeSegments = 1 << 20;

// Whether mode `mode` (from 1) is drawn: modes beyond the flag table have
// no box of their own, and "All" shows them.
bool planarModeShown(const ModeFlags& modeShown, int mode);

// The mode shapes as polylines in the common frame, over the rotor outline
// standing on the frame's top edge and (on the screen only) on its bottom
// edge. On a screen surface the "3:Plot" chart (cleared first), on a printer
// surface the "4:Print" page (landscape, centimetres, ended).
void DrawPlanarModeChart(DrawingSurface& surface, const Mirno1Settings& settings, const PlanarModeShapes& shapes, const RotorModel& outline,
    const ModeFlags& modeShown);

} // namespace kavel
