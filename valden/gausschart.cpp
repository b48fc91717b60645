#include "gausschart.h"

#include "campbellchart.h"
#include "chartpoints.h"
#include "eigendata.h"
#include "valdensettings.h"

#include "framework/chart/arrow.h"
#include "framework/chart/chartframe.h"
#include "framework/chart/paths.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

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
    {
        const PrinterLineWidth frameWidth(s, settings.FrameWidth);
        axes(s, settings, g);
    }
    ticks(s, settings, g);
}

std::vector<std::optional<int>> GaussModeColours(const EigenData& data, const ShowCurveFlags& ShowCurve)
{
    std::vector<std::optional<int>> colours;
    for (int j = 1; j <= data.N2; ++j)
        colours.push_back(GaussPathShown(ShowCurve, j) ? std::optional(Palette::curveColour(j - 1)) : std::nullopt);
    return colours;
}

void DrawGaussChart(DrawingSurface& s, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve)
{
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.reAxis(), settings.imAxis(), kValdenOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;
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
    DrawPaths(
        s, std::move(area), QStringLiteral("mode %1"), data.N1, GaussModeColours(data, ShowCurve), settings.CurveWidth,
        [&](int i, int j) { return QPointF(data.sigmaAt(i, j), data.omegaAt(i, j)); }, [&](int i) { return data.speedAt(i); },
        [&](int i, int j) {
            const std::size_t k = data.cell(i, j);
            return QPointF(p.GaussX[k], p.GaussY[k]);
        });
}

} // namespace kavel
