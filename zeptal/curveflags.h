#pragma once

#include "framework/settings/checkflags.h"

namespace kavel {

// curveFlags(0..10): 0..4 the amplitude of curves 1..5, 5..9 their phase,
// 10 every curve ("All"). In memory only; only "All" at every start.
inline constexpr int kAllCurves = 10;
using CurveFlags = FlagTable<11, kAllCurves>;
// The dialog offers boxes for this many curves; curves beyond them are drawn
// only through "All".
inline constexpr int kCurvesWithBoxes = 5;

// Whether curve j (from 1) has its amplitude, its phase drawn.
inline constexpr FlagColumn AmplitudeShown { .first = 0, .rows = kCurvesWithBoxes, .all = kAllCurves };
inline constexpr FlagColumn PhaseShown { .first = kCurvesWithBoxes, .rows = kCurvesWithBoxes, .all = kAllCurves };
// The phase flags 5..10 summed: any but 0 takes the Bode chart's
// horizontal grid lines away.
inline int PhaseCount(const CurveFlags& curveFlags) { return checkedCount(curveFlags, kCurvesWithBoxes, kAllCurves); }

} // namespace kavel
