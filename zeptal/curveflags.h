#pragma once

#include "framework/settings/checkflags.h"

namespace kavel {

// curveFlags(0..10): 0..4 the amplitude of curves 1..5, 5..9 their phase,
// 10 every curve ("All"). In memory only; only "All" at every start.
inline constexpr int kCurveFlagCount = 11;
inline constexpr int kAllCurves = 10;
// The dialog offers boxes for this many curves; curves beyond them are drawn
// only through "All".
inline constexpr int kCurvesWithBoxes = 5;
using CurveFlags = CheckFlags<kCurveFlagCount>;

CurveFlags DefaultCurveFlags();
// Whether curve j (from 1) has its amplitude, its phase drawn.
bool AmplitudeShown(const CurveFlags& curveFlags, int j);
bool PhaseShown(const CurveFlags& curveFlags, int j);
// The phase flags 5..10 summed: any but 0 takes the Bode chart's
// horizontal grid lines away.
int PhaseCount(const CurveFlags& curveFlags);

} // namespace kavel
