#include "gausschart.h"

#include "campbellchart.h"
#include "chartpoints.h"
#include "eigendata.h"
#include "valdensettings.h"

#include "framework/chart/arrow.h"
#include "framework/chart/chartframe.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <cmath>

namespace kavel {

namespace {

void axes(DrawingSurface& s, const ValdenSettings& settings, const ChartGeometry& g)
{
    const double top = 17 - double(settings.ImLength);
    DrawArrow(s, kValdenOrigin.x(), g.OffsetY, settings.ReLength + 6, g.OffsetY, 0.5, 0.3);
    DrawArrow(s, g.OffsetX, 18.5, g.OffsetX, top, 0.5, 0.2);
}

// Real ticks hang from the range's bottom line (the real axis only when
// ImMin is 0). The imaginary ticks start one pitch up: the 0 of the
// imaginary axis is labelled once, by the downward loop.
void ticks(DrawingSurface& s, const ValdenSettings& settings, const ChartGeometry& g)
{
    FrameInputs frame { settings.reAxis(), settings.imAxis(), g };
    frame.yLabelOffset = 2;
    DrawXTicks(s, frame, tickValues(settings.ReMax, settings.RePitch));
    DrawXTicks(s, frame, tickValues(settings.ReMin, -settings.RePitch));
    std::vector<double> upward = tickValues(settings.ImMax, settings.ImPitch);
    if (!upward.empty())
        upward.erase(upward.begin());
    DrawYTicks(s, frame, upward, g.OffsetX);
    DrawYTicks(s, frame, tickValues(settings.ImMin, -settings.ImPitch), g.OffsetX);
}

} // namespace

void DrawGaussFrame(DrawingSurface& s, const ValdenSettings& settings, const ChartGeometry& g)
{
    axes(s, settings, g);
    ticks(s, settings, g);
}

void PrintGaussFrame(DrawingSurface& s, const ValdenSettings& settings, const ChartGeometry& g)
{
    s.setLineWidth(printerLineWidth(settings.FrameWidth));
    axes(s, settings, g);
    s.setLineWidth(1);
    ticks(s, settings, g);
}

void DrawGaussChart(DrawingSurface& s, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.reAxis(), settings.imAxis(), kValdenOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;
    if (printer)
        PrintGaussFrame(s, settings, g);
    else
        DrawGaussFrame(s, settings, g);

    const double titleY = kValdenOrigin.y() - double(settings.ImLength) - 2;
    s.printAt(g.CentreX - 5, titleY, settings.GaussTitle);
    s.printAt(settings.ReLength + 4 + 3, g.OffsetY - 0.5, settings.GaussXTitle);
    s.printAt(g.OffsetX, titleY, settings.GaussYTitle);

    GaussPoints p;
    ComputeGaussPoints(data, g, p);
    // No frame: the paths are read and written, not zoomed.
    PlotArea area;
    area.x = DataAxis::linear(DataAxis::nameOf(settings.GaussXTitle, "real part"), settings.ReMin, kValdenOrigin.x(), settings.ReMax,
        kValdenOrigin.x() + settings.ReLength);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.GaussYTitle, "imaginary part"), settings.ImMin, kValdenOrigin.y(),
        settings.ImMax, kValdenOrigin.y() - double(settings.ImLength)));
    area.parameter = DataAxis::nameOf(settings.XYXTitle, "speed");
    if (printer)
        s.setLineWidth(printerLineWidth(settings.CurveWidth));
    for (int j = 1; j <= data.N2; ++j) {
        if (!GaussPathShown(ShowCurve, j))
            continue;
        const int c = Palette::curveColour(j - 1);
        area.curves.push_back(PlotCurve::path(QStringLiteral("mode %1").arg(j), data.N1, [&](qint64 i) { return data.sigmaAt(int(i), j); },
            [&](qint64 i) { return data.omegaAt(int(i), j); }, [&](qint64 i) { return data.speedAt(int(i)); }));
        for (int i = 2; i <= data.N1; ++i) {
            const std::size_t a = data.cell(i - 1, j), b = data.cell(i, j);
            if (!std::isnan(p.GaussX[a]) && !std::isnan(p.GaussY[a]) && !std::isnan(p.GaussX[b]) && !std::isnan(p.GaussY[b]))
                s.line(p.GaussX[a], p.GaussY[a], p.GaussX[b], p.GaussY[b], c);
        }
    }
    s.describe(std::move(area));
    if (printer)
        s.setLineWidth(1);
}

} // namespace kavel
