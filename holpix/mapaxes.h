#pragma once

#include "framework/chart/chartframe.h"
#include "framework/chart/logaxis.h"

#include <QString>
#include <optional>

namespace kavel {

struct HolpixSettings;

enum class AxisScale { Linear, Log };

inline constexpr QPointF kHolpixOrigin { 4, 18 };

// What an axis routine leaves for the curves: the linear geometry every
// chart computes, and the scale of each logarithmic axis.
struct MapScales {
    ChartGeometry g;
    bool xLog = false;
    bool yLog = false;
    // Set by a routine with that log axis, when its range can be drawn.
    std::optional<LogAxis> logX;
    std::optional<LogAxis> logY;
    // Why an axis has no ticks, for the chart to say; empty when it has them.
    QString xNote;
    QString yNote;

    double LogFactorX() const { return logX ? logX->factor : 0.0; }
    double LogFactorY() const { return logY ? logY->factor : 0.0; }
    // A log axis whose maximum is not positive has no scale to place a
    // curve on.
    bool curvesMappable() const { return (!xLog || logX) && (!yLog || logY); }
};

// The four axis routines: the frame in colour 0, the zero lines of the
// linear axes, then the x axis and the y axis. A linear axis has a tick
// every pitch from its minimum (not from 0); a log axis has decades from its
// minimum with grid lines and minor ticks. A log axis replaces a
// non-positive minimum in `settings` by max / 1000.
MapScales DrawLinLinAxes(DrawingSurface& screen, HolpixSettings& settings, const ChartGeometry& g);
MapScales DrawLogLinAxes(DrawingSurface& screen, HolpixSettings& settings, const ChartGeometry& g);
MapScales DrawLinLogAxes(DrawingSurface& screen, HolpixSettings& settings, const ChartGeometry& g);
MapScales DrawLogLogAxes(DrawingSurface& screen, HolpixSettings& settings, const ChartGeometry& g);

// The printer forms draw the same geometry. The frame is drawn in
// FrameWidth; a log-log chart keeps that width for everything after it, up
// to the end of the curves, the others return to width 1 after the frame.
MapScales PrintLinLinAxes(DrawingSurface& printer, HolpixSettings& settings, const ChartGeometry& g);
MapScales PrintLogLinAxes(DrawingSurface& printer, HolpixSettings& settings, const ChartGeometry& g);
MapScales PrintLinLogAxes(DrawingSurface& printer, HolpixSettings& settings, const ChartGeometry& g);
MapScales PrintLogLogAxes(DrawingSurface& printer, HolpixSettings& settings, const ChartGeometry& g);

// The routine for the axes chosen, in the surface's form.
MapScales DrawMapAxes(DrawingSurface& surface, HolpixSettings& settings, const ChartGeometry& g, AxisScale x, AxisScale y);

} // namespace kavel
