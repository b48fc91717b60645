#pragma once

#include "framework/settings/chartsettings.h"

namespace kavel {

// The Lendrix settings record, in file order.
struct LendrixSettings {
    AxisSettings X;           // mm; length in cm
    AxisSettings Y;           // table value; length in cm
    double FrameWidth = 0;    // printer line width of the frame
    qint16 SpareFlag = 0;     // kept and written back unchanged
    QString XTitle;
    QString YTitle;
    QString Title;

    SettingsLayout layout();
};

} // namespace kavel
