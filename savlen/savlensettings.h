#pragma once

#include "framework/settings/chartsettings.h"

namespace kavel {

// The SAVLEN settings record, in file order.
struct SavlenSettings {
    AxisSettings X;           // mm; length in cm
    AxisSettings Y;           // mm (radius); length in cm
    double FrameWidth = 0;    // printer line width of the frame
    qint16 SpareFlag = 0;     // kept and written back unchanged
    qint16 ContourMode = 0;   // 2: upper half only; anything else: both halves
    QString XTitle;
    QString YTitle;
    QString Title;

    SettingsLayout layout();
};

} // namespace kavel
