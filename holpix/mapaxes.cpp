#include "mapaxes.h"

#include "holpixsettings.h"

#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <cmath>

namespace kavel {

namespace {

// How a routine's printer form sets the line width around the frame.
enum class FramePen {
    Screen,               // the picture area's width throughout
    FrameThenOne,         // FrameWidth for the frame, then 1
    FrameThroughCurves,   // FrameWidth for the frame and all after it
};

constexpr double kTickLength = 0.5;
constexpr double kYLabelOffset = 2;

// Linear ticks from the minimum: n = 0, 1, … while min + n × pitch has not
// passed the maximum. Empty when the pitch runs away from the maximum;
// nullopt when the ticks cannot be drawn (a zero pitch, or so many ticks
// that drawing them would stall), with the reason in `note`.
std::optional<std::vector<double>> linearTicks(const AxisSettings& a, const QString& axisName, QString& note)
{
    const double range = a.max - a.min;
    std::vector<double> steps = tickValues(range, a.pitch);
    const bool usablePitch = std::isfinite(a.pitch) && a.pitch != 0;
    if (!steps.empty() || (usablePitch && !(range / a.pitch > 0)))
        return steps;
    if (a.pitch == 0)
        note = QStringLiteral("%1 axis: pitch 0, no ticks drawn").arg(axisName);
    else if (usablePitch)
        note = QStringLiteral("%1 axis: pitch too small, no ticks drawn").arg(axisName);
    else
        note = QStringLiteral("%1 axis: pitch not a number, no ticks drawn").arg(axisName);
    return std::nullopt;
}

void linearX(DrawingSurface& s, const HolpixSettings& st, const ChartGeometry& g, MapScales& out)
{
    const auto steps = linearTicks(st.X, QStringLiteral("X"), out.xNote);
    if (!steps)
        return;
    const double t = g.ScaleX * st.X.pitch;
    for (std::size_t n = 0; n < steps->size(); ++n) {
        const double cx = g.OriginX + double(n) * t;
        s.line(cx, g.OriginY, cx, g.OriginY - kTickLength, 0);
        s.printNumberAt(cx, g.OriginY + 0.2, st.X.min + (*steps)[n]);
    }
}

void linearY(DrawingSurface& s, const HolpixSettings& st, const ChartGeometry& g, MapScales& out)
{
    const auto steps = linearTicks(st.Y, QStringLiteral("Y"), out.yNote);
    if (!steps)
        return;
    // The tick spacing is held in single precision.
    const float t = float(g.ScaleY * st.Y.pitch);
    for (std::size_t n = 0; n < steps->size(); ++n) {
        const double cy = g.OriginY - double(float(n) * t);
        s.line(g.OriginX, cy, g.OriginX + kTickLength, cy, 0);
        s.printNumberAt(g.OriginX - kYLabelOffset, cy - 0.3, st.Y.min + (*steps)[n]);
    }
}

// The log scale of one axis. A non-positive minimum becomes max / 1000 in
// the settings, unless the maximum is not positive either: such a range has
// no log scale, and the axis goes without ticks.
std::optional<LogAxis> logScale(AxisSettings& a, const QString& axisName, QString& note)
{
    if (!(a.max > 0)) {
        note = QStringLiteral("%1 axis: LOG needs a maximum above 0, no ticks or curves drawn").arg(axisName);
        return std::nullopt;
    }
    a.min = LogAxis::usableMinimum(a.min, a.max);
    std::optional<LogAxis> axis = LogAxis::compute(a.min, a.max, a.length);
    if (!axis)
        note = QStringLiteral("%1 axis: no LOG scale for this range, no ticks or curves drawn").arg(axisName);
    return axis;
}

MapScales drawAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g, AxisScale x, AxisScale y, FramePen pen)
{
    const bool xLog = x == AxisScale::Log;
    const bool yLog = y == AxisScale::Log;
    MapScales out;
    out.g = g;
    out.xLog = xLog;
    out.yLog = yLog;

    if (pen != FramePen::Screen)
        s.setLineWidth(printerLineWidth(st.FrameWidth));
    const double left = g.OriginX, right = g.OriginX + st.X.length;
    const double bottom = g.OriginY, top = g.OriginY - st.Y.length;
    s.line(left, bottom, right, bottom, 0);
    s.line(left, bottom, left, top, 0);
    s.line(left, top, right, top, 0);
    s.line(right, bottom, right, top, 0);
    if (pen == FramePen::FrameThenOne)
        s.setLineWidth(1);

    // Drawn whether or not physical 0 lies in the range.
    if (!yLog)
        s.line(left, g.OffsetY, right, g.OffsetY, 0);
    if (!xLog)
        s.line(g.OffsetX, bottom, g.OffsetX, top, 0);

    if (xLog) {
        out.logX = logScale(st.X, QStringLiteral("X"), out.xNote);
        if (out.logX)
            DrawLogXAxis(s, *out.logX, g.OriginX, g.OriginY, st.Y.length);
    } else {
        linearX(s, st, g, out);
    }
    if (yLog) {
        out.logY = logScale(st.Y, QStringLiteral("Y"), out.yNote);
        if (out.logY)
            DrawLogYAxis(s, *out.logY, g.OriginX, g.OriginY, st.X.length, kYLabelOffset);
    } else {
        linearY(s, st, g, out);
    }
    return out;
}

} // namespace

MapScales DrawLinLinAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Linear, AxisScale::Linear, FramePen::Screen);
}

MapScales DrawLogLinAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Log, AxisScale::Linear, FramePen::Screen);
}

MapScales DrawLinLogAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Linear, AxisScale::Log, FramePen::Screen);
}

MapScales DrawLogLogAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Log, AxisScale::Log, FramePen::Screen);
}

MapScales PrintLinLinAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Linear, AxisScale::Linear, FramePen::FrameThenOne);
}

// The frame in FrameWidth as on the other charts; left in whatever width the
// page had, a log-linear frame would look unlike the rest.
MapScales PrintLogLinAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Log, AxisScale::Linear, FramePen::FrameThenOne);
}

MapScales PrintLinLogAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Linear, AxisScale::Log, FramePen::FrameThenOne);
}

MapScales PrintLogLogAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g)
{
    return drawAxes(s, st, g, AxisScale::Log, AxisScale::Log, FramePen::FrameThroughCurves);
}

MapScales DrawMapAxes(DrawingSurface& s, HolpixSettings& st, const ChartGeometry& g, AxisScale x, AxisScale y)
{
    const bool xLog = x == AxisScale::Log;
    const bool yLog = y == AxisScale::Log;
    using Routine = MapScales (*)(DrawingSurface&, HolpixSettings&, const ChartGeometry&);
    // [printer][xLog][yLog]
    static constexpr Routine kRoutines[2][2][2] = {
        { { DrawLinLinAxes, DrawLinLogAxes }, { DrawLogLinAxes, DrawLogLogAxes } },
        { { PrintLinLinAxes, PrintLinLogAxes }, { PrintLogLinAxes, PrintLogLogAxes } },
    };
    return kRoutines[s.isPrinter()][xLog][yLog](s, st, g);
}

} // namespace kavel
