#pragma once

#include "framework/settings/twoaxissettings.h"
#include "framework/settings/checkflags.h"

namespace kavel {

// The MIRNO1 settings record: X in mm, Y the deflection.
struct Mirno1Settings : TwoAxisChartSettings { };

// modeShown(k) for k = 0..9 shows mode k + 1; modeShown(10) is "All", and
// also the only flag of mode 11.
inline constexpr int kModeFlags = 11;
inline constexpr int kAllModes = 10;
using ModeFlags = CheckFlags<kModeFlags>;
// Every start: all modes through "All".
inline ModeFlags InitialModeShown()
{
    return onlyChecked<kModeFlags>(kAllModes);
}

} // namespace kavel
