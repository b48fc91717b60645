#include "chartframe.h"

#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <algorithm>
#include <cmath>

namespace kavel {

namespace {

// Beyond this many ticks on one side the labels would print over each other
// thousands deep; such a pitch draws no ticks instead of stalling.
constexpr double kMaxTicks = 10000;

void edges(DrawingSurface& s, const FrameInputs& f)
{
    const double left = f.g.OriginX, right = f.g.OriginX + f.x.length;
    const double bottom = f.g.OriginY, top = f.g.OriginY - f.y.length;
    s.line(left, bottom, right, bottom);
    s.line(left, bottom, left, top);
    s.line(left, top, right, top);
    s.line(right, bottom, right, top);
}

void zeroLine(DrawingSurface& s, const FrameInputs& f)
{
    s.line(f.g.OriginX, f.g.OffsetY, f.g.OriginX + f.x.length, f.g.OffsetY);
}

} // namespace

void DrawXTicks(DrawingSurface& s, const FrameInputs& f, const std::vector<double>& values)
{
    const double tickEnd = f.xGrid ? f.g.OriginY - f.y.length : f.g.OriginY - 0.5;
    for (double v : values) {
        const double cx = f.g.OffsetX + f.g.ScaleX * v;
        s.line(cx, f.g.OriginY, cx, tickEnd);
        s.printNumberAt(cx, f.g.OriginY + 0.2, v);
    }
}

void DrawYTicks(DrawingSurface& s, const FrameInputs& f, const std::vector<double>& values, double axisX)
{
    for (double v : values) {
        const double cy = f.g.OffsetY - f.g.ScaleY * v;
        s.line(axisX, cy, axisX + 0.5, cy);
        s.printNumberAt(axisX - f.yLabelOffset, cy - 0.3, v);
        if (f.yGrid)
            s.line(f.g.OriginX, cy, f.g.OriginX + f.x.length, cy);
    }
}

void DrawFrameTicks(DrawingSurface& s, const FrameInputs& f)
{
    DrawXTicks(s, f, tickValues(f.x.max, f.x.pitch));
    DrawXTicks(s, f, tickValues(f.x.min, -f.x.pitch));
    DrawYTicks(s, f, tickValues(f.y.max, f.y.pitch), f.g.OriginX);
    DrawYTicks(s, f, tickValues(f.y.min, -f.y.pitch), f.g.OriginX);
}

std::optional<ChartGeometry> ChartGeometry::compute(const AxisSettings& x, const AxisSettings& y, QPointF origin)
{
    const double originX = origin.x();
    const double originY = origin.y();
    const double xRange = x.max - x.min;
    const double yRange = y.max - y.min;
    if (xRange == 0 || yRange == 0)
        return std::nullopt;
    ChartGeometry g;
    g.OriginX = originX;
    g.OriginY = originY;
    g.ScaleX = x.length / xRange;
    g.ScaleY = y.length / yRange;
    g.OffsetX = originX - x.min * g.ScaleX;
    g.OffsetY = originY + y.min * g.ScaleY;
    g.CentreX = originX + g.ScaleX * xRange / 2;
    g.CentreY = originY - g.ScaleY * yRange / 2;
    for (double v : { g.ScaleX, g.ScaleY, g.OffsetX, g.OffsetY, g.CentreX, g.CentreY }) {
        if (!std::isfinite(v))
            return std::nullopt;
    }
    return g;
}

std::vector<double> tickValues(double end, double step)
{
    std::vector<double> values;
    if (step == 0 || !std::isfinite(step) || !std::isfinite(end))
        return values;
    // n × step instead of a running sum, with a tolerance of a millionth of
    // the step so that 3 × 0.1 still reaches an end of 0.3.
    const double count = std::floor(end / step + 1e-6);
    if (count < 0)
        return values;
    if (count > kMaxTicks)
        return values;
    for (int n = 0; n <= int(count); ++n)
        values.push_back(n * step);
    return values;
}

int printerLineWidth(double width)
{
    if (!std::isfinite(width))
        return 1;
    return int(std::lround(std::clamp(width, 0.0, 1000.0)));
}

void DrawFrameEdges(DrawingSurface& surface, const FrameInputs& frame)
{
    const FrameInputs& f = frame;
    const double left = f.g.OriginX, right = f.g.OriginX + f.x.length;
    const double bottom = f.g.OriginY, top = f.g.OriginY - f.y.length;
    surface.line(left, bottom, right, bottom);
    zeroLine(surface, f);
    surface.line(left, bottom, left, top);
    surface.line(left, top, right, top);
    surface.line(right, bottom, right, top);
}

PrinterLineWidth::PrinterLineWidth(DrawingSurface& surface, double width)
    : m_surface(surface)
{
    if (m_surface.isPrinter())
        m_surface.setLineWidth(printerLineWidth(width));
}

PrinterLineWidth::~PrinterLineWidth()
{
    if (m_surface.isPrinter())
        m_surface.setLineWidth(1);
}

void DrawTitlesAboveAndBelow(DrawingSurface& surface, const ChartGeometry& g, double height, const QString& title, const QString& xTitle)
{
    surface.printAt(g.CentreX - 5, g.OriginY - height - 2, title);
    surface.printAt(g.CentreX - 5, g.OriginY + 1.5, xTitle);
}

void DrawChartFrame(DrawingSurface& surface, const FrameInputs& frame, double printerFrameWidth)
{
    if (!surface.isPrinter()) {
        DrawFrameEdges(surface, frame);
    } else {
        surface.setLineWidth(printerLineWidth(printerFrameWidth));
        edges(surface, frame);
        surface.setLineWidth(1);
        zeroLine(surface, frame);
    }
    DrawFrameTicks(surface, frame);
}

} // namespace kavel
