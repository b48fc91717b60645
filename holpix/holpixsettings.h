#pragma once

#include "framework/settings/chartsettings.h"

namespace kavel {

// The HOLPIX settings record, in file order. A log axis may replace a
// non-positive minimum in it; the replaced value is what the file gets back.
struct HolpixSettings {
    AxisSettings X;           // support stiffness, kgf/mm; length in cm
    AxisSettings Y;           // frequency, Hz; length in cm
    double FrameWidth = 0;    // printer line width of the frame (and of a log-log chart)
    qint16 SpareFlag = 0;     // kept and written back unchanged
    QString XTitle;
    QString YTitle;
    QString Title;

    SettingsLayout layout();
};

} // namespace kavel
