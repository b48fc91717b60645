#pragma once

#include "framework/settings/chartsettings.h"
#include "framework/settings/checkflags.h"

#include <QString>
#include <array>

namespace kavel {

// The MIRNOK settings record, in file order: the shaft axis and its view
// angle, the deflection axes, the printer line width, the four titles and
// the animation step.
struct MirnokSettings {
    double zMin = 0;       // mm
    double zMax = 0;       // mm
    double zPitch = 0;     // mm
    double zChart = 0;     // cm
    double viewAngle = 0;  // degrees, -90..90
    double xyMin = 0;      // mm
    double xyMax = 0;      // mm
    double xyPitch = 0;    // mm
    double xyChart = 0;    // cm
    double FrameWidth = 0; // printer pixels
    qint16 SpareFlag = 0;  // kept and written back unchanged
    QString zTitle;
    QString xTitle;
    QString yTitle;
    QString chartTitle;
    double animStep = 0;   // degrees of phase per timer tick

    SettingsLayout layout();
};

// Which modes are drawn: entry k (0..11) shows mode k+1, entry 12 ("All")
// every mode. Kept in memory only; every start shows all modes.
inline constexpr int kAllModesBox = 12;
using ModeShown = FlagTable<13, kAllModesBox>;

} // namespace kavel
