#pragma once

#include "framework/settings/twoaxissettings.h"
#include "framework/settings/checkflags.h"

namespace kavel {

// The MIRNO1 settings record: X in mm, Y the deflection.
struct Mirno1Settings : TwoAxisChartSettings { };

// modeShown(k) for k = 0..9 shows mode k + 1; modeShown(10) is "All", and
// also the only flag of mode 11. Every start: all modes through "All".
inline constexpr int kAllModes = 10;
using ModeFlags = FlagTable<11, kAllModes>;

} // namespace kavel
