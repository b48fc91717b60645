#pragma once

#include "framework/settings/chartsettings.h"

namespace kavel {

// The VALDEN settings record, in file order: the XY chart's ranges, pitches
// and lengths, the Gauss chart's, the printer widths, then seven titles.
// Both chart heights are single precision, as the file has always held them.
struct ValdenSettings {
    double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0; // rps, Hz
    double Xpitch = 0, Ypitch = 0;
    double Xlength = 0; // cm
    float Ylength = 0;  // cm
    double ReMin = 0, ReMax = 0, ImMin = 0, ImMax = 0; // rad/s
    double RePitch = 0, ImPitch = 0;
    double ReLength = 0; // cm
    float ImLength = 0;  // cm
    double FrameWidth = 0;   // printer line width of the frame and axes
    qint16 CurveWidth = 0;   // printer line width of the curves
    QString XYXTitle;        // under the speed axis
    QString GaussXTitle;     // at the end of the real axis
    QString DampingTitle;    // beside the damping scale
    QString GaussYTitle;     // above the imaginary axis
    QString FrequencyTitle;  // beside the frequency axis
    QString XYTitle;         // above the XY chart
    QString GaussTitle;      // above the Gauss chart

    // The axes as the frame routines take them, the heights as the singles
    // they are.
    AxisSettings xAxis() const { return { Xmin, Xmax, Xpitch, Xlength }; }
    AxisSettings yAxis() const { return { Ymin, Ymax, Ypitch, double(Ylength) }; }
    AxisSettings reAxis() const { return { ReMin, ReMax, RePitch, ReLength }; }
    AxisSettings imAxis() const { return { ImMin, ImMax, ImPitch, double(ImLength) }; }

    SettingsLayout layout();
};

} // namespace kavel
