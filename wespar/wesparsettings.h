#pragma once

#include "framework/settings/chartsettings.h"

namespace kavel {

// The WESPAR settings record, in file order: one x axis shared by the two
// charts, the deflection axis (Y) and the outline axis (R).
struct WesparSettings {
    AxisSettings X;           // mm; length in cm
    AxisSettings Y;           // deflection, mm; length in cm
    AxisSettings R;           // outline (diameter), mm; length in cm
    double FrameWidth = 0;    // printer line width of the frames
    qint16 CurveWidth = 0;    // printer line width of the curves
    qint16 ContourMode = 0;   // 2: upper half only; anything else: both halves
    QString XTitle;
    QString YTitle;           // the deflection chart's
    QString RTitle;           // the outline chart's
    QString Title;

    SettingsLayout layout();
};

} // namespace kavel
