#pragma once

#include "framework/settings/chartsettings.h"

namespace kavel {

// The ZEPTAL settings record. Line 1 holds both ranges, then both pitches,
// then both lengths; the chart height is single precision, as the file has
// always held it. The polar chart reads the amplitude axis only: Ymax is the
// outer circle, Ypitch the circle spacing, Ylength the diameter.
struct ZeptalSettings {
    double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0; // rpm, μm
    double Xpitch = 0, Ypitch = 0;
    double Xlength = 0; // cm
    float Ylength = 0;  // cm
    double FrameWidth = 0; // printer line width of the Bode frame
    double CurveWidth = 0; // printer line width of the curves
    QString XTitle;
    QString PhaseTitle;
    QString AmplitudeTitle;
    QString Title;

    AxisSettings xAxis() const { return { Xmin, Xmax, Xpitch, Xlength }; }
    AxisSettings yAxis() const { return { Ymin, Ymax, Ypitch, double(Ylength) }; }

    SettingsLayout layout();
};

} // namespace kavel
