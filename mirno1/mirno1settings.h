#pragma once

#include "framework/settings/chartsettings.h"
#include "framework/settings/checkflags.h"

namespace kavel {

// The MIRNO1 settings record, in file order.
struct Mirno1Settings {
    AxisSettings X;           // mm; length in cm
    AxisSettings Y;           // deflection; length in cm
    double FrameWidth = 0;    // printer line width of the frame
    qint16 SpareFlag = 0;     // kept and written back unchanged
    QString XTitle;
    QString YTitle;
    QString Title;

    SettingsLayout layout();
};

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
