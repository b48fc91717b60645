#pragma once

#include "criticalspeedmap.h"
#include "drawingoptions.h"
#include "holpixsettings.h"

#include "framework/viewer.h"

namespace kavel {

// The HOLPIX viewer: the critical speed map on linear or logarithmic axes.
class HolpixViewer final : public Viewer {
public:
    HolpixViewer();

    void drawChart(DrawingSurface& surface) override;
    // Each mode's frequency at the stiffnesses given, coloured as the map
    // draws each curve.
    ResultRows results() const override;

    // The colour of each mode's curve of each kind on the map, as
    // colourOf(kind, mode) looks it up: none where it is not drawn (the
    // third kind never is).
    std::function<std::optional<int>(int kind, int mode)> curveColours() const;

    HolpixSettings settings;
    CriticalSpeedMap map;
    // In memory only: all critical speed curves on log-log axes at each start.
    MapCurveFlags curveFlags = MapCurveFlags::atStart();
    AxisOptions axisOptions = InitialAxisOptions();
};

} // namespace kavel
