#pragma once

#include "framework/settings/chartsettings.h"

#include <QString>

namespace kavel {

// The settings record of a chart with one x and one y axis, in file order:
// the two axes, the printer line width of the frame, a spare flag and the
// three titles. The viewers that use it name it for themselves and say what
// units the axes carry.
struct TwoAxisChartSettings {
    AxisSettings X;           // length in cm
    AxisSettings Y;           // length in cm
    double FrameWidth = 0;    // printer line width of the frame
    qint16 SpareFlag = 0;     // kept and written back unchanged
    QString XTitle;
    QString YTitle;
    QString Title;

    SettingsLayout layout();
};

} // namespace kavel
