#pragma once

#include "framework/settings/chartsettings.h"

#include <QString>

namespace kavel::test {

// The settings a chart test draws with, for the viewers whose record holds
// one chart frame (X, Y, FrameWidth and the three titles): the axes given,
// a frame three wide, and the titles given.
template <class Settings>
Settings framedSettings(const AxisSettings& x, const AxisSettings& y, const QString& xTitle, const QString& yTitle, const QString& title)
{
    Settings s;
    s.X = x;
    s.Y = y;
    s.FrameWidth = 3;
    s.XTitle = xTitle;
    s.YTitle = yTitle;
    s.Title = title;
    return s;
}

} // namespace kavel::test
