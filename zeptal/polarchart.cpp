#include "polarchart.h"

#include "zeptalsettings.h"

#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <cmath>

namespace kavel {

namespace {

// The value of pi the charts have always turned angles with.
constexpr double kPi = 3.141592;
constexpr int kDarkGrey = 8;

double radians(double degrees)
{
    return degrees * kPi / 180;
}

} // namespace

std::optional<ChartGeometry> PolarGeometry(const ZeptalSettings& settings)
{
    if (settings.Ymax == 0)
        return std::nullopt;
    ChartGeometry g;
    g.OriginX = kPolarOrigin.x();
    g.OriginY = kPolarOrigin.y();
    g.ScaleX = g.ScaleY = (double(settings.Ylength) / 2) / settings.Ymax;
    g.OffsetX = kPolarOrigin.x() + g.ScaleY * settings.Ymax;
    g.OffsetY = kPolarOrigin.y() - g.ScaleY * settings.Ymax;
    g.CentreX = g.OffsetX;
    g.CentreY = double(float(g.OffsetY));
    for (double v : { g.ScaleX, g.OffsetX, g.OffsetY }) {
        if (!std::isfinite(v))
            return std::nullopt;
    }
    return g;
}

void DrawPolarGrid(DrawingSurface& s, const ZeptalSettings& settings, const ChartGeometry& g)
{
    const bool printer = s.isPrinter();
    const std::optional<int> grid = printer ? std::nullopt : std::optional<int>(kDarkGrey);
    const double R = settings.Ymax * g.ScaleY;

    for (double v : tickValues(settings.Ymax, settings.Ypitch)) {
        s.circle(g.OffsetX, g.OffsetY, v * g.ScaleY, grid.value_or(0));
        s.printNumberAt(g.OffsetX + v * g.ScaleY, g.OffsetY + 0.2, v);
    }
    for (int a = 0; a <= 360; a += 10) {
        const double c = std::cos(radians(a)), sn = std::sin(radians(a));
        if (a % 30 == 0)
            s.line(g.OffsetX, g.OffsetY, g.OffsetX + R * c, g.OffsetY - R * sn, grid);
        else
            s.line(g.OffsetX + R * c, g.OffsetY - R * sn, g.OffsetX + 0.9 * R * c, g.OffsetY - 0.9 * R * sn, grid);
    }
    // Each spoke is labelled with the phase MapPolar plots on it. A phase
    // turns clockwise on the page, so the spoke above the centre carries
    // -90 (a lag, as the response files give it), the left one -180 and the
    // one below -270; counter-clockwise labels would read a lag of 137
    // degrees as +137.
    struct AngleLabel {
        int angle;
        double factor;
    };
    for (const AngleLabel& label : { AngleLabel { 0, 1.15 }, AngleLabel { 90, 1.14 }, AngleLabel { 180, 1.14 }, AngleLabel { 270, 1.05 } }) {
        const double f = label.factor * R;
        const std::optional<int> colour = printer ? std::nullopt : std::optional<int>(label.angle == 0 ? kDarkGrey : 0);
        s.point(g.OffsetX + f * std::cos(radians(label.angle)), g.OffsetY - f * std::sin(radians(label.angle)), colour);
        s.printNumber(-label.angle);
    }
}

void MapPolar(const UnbalanceResponse& data, const ChartGeometry& g, ChartPos& chartPos)
{
    for (int i = 1; i <= data.speedCount; ++i) {
        for (int j = 1; j <= data.curveCount; ++j) {
            const double theta = radians(double(data.phase(i, j)));
            const double r = double(data.amplitude(i, j)) * g.ScaleX;
            chartPos(i, j, 0) = float(g.OffsetX + r * std::cos(theta));
            chartPos(i, j, 1) = float(g.OffsetY + r * std::sin(theta));
        }
    }
}

void DrawPolarChart(DrawingSurface& s, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = PolarGeometry(settings);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;

    DrawPolarGrid(s, settings, g);
    s.printAt(g.CentreX, kPolarOrigin.y() - double(settings.Ylength) - 2, settings.Title);
    s.printAt(g.CentreX, g.CentreY + g.ScaleY * settings.Ymax + 1, settings.AmplitudeTitle);

    ChartPos chartPos(data);
    MapPolar(data, g, chartPos);
    // Each curve a path of amplitude and phase as the speed rises.
    PlotArea area;
    area.kind = PlotArea::Kind::Polar;
    area.centre = QPointF(g.OffsetX, g.OffsetY);
    area.radiusScale = g.ScaleX;
    area.x.name = DataAxis::nameOf(settings.AmplitudeTitle, "amplitude");
    area.y.push_back(DataAxis {});
    area.y.back().name = DataAxis::nameOf(settings.PhaseTitle, "phase");
    area.parameter = DataAxis::nameOf(settings.XTitle, "speed");
    if (printer)
        s.setLineWidth(printerLineWidth(settings.CurveWidth));
    // The phase flags have no say here: a curve is its amplitude's path.
    int drawn = 0;
    for (int j = 1; j <= data.curveCount; ++j) {
        if (!AmplitudeShown(curveFlags, j))
            continue;
        const int c = Palette::curveColour(drawn++);
        area.curves.push_back(PlotCurve::path(QStringLiteral("curve %1").arg(j), data.speedCount, [&](qint64 i) { return data.amplitude(int(i), j); },
            [&](qint64 i) { return data.phase(int(i), j); }, [&](qint64 i) { return data.speed(int(i)); }));
        for (int i = 2; i <= data.speedCount; ++i) {
            const float x1 = chartPos(i - 1, j, 0), y1 = chartPos(i - 1, j, 1);
            const float x2 = chartPos(i, j, 0), y2 = chartPos(i, j, 1);
            if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
                s.line(x1, y1, x2, y2, c);
        }
    }
    s.describe(std::move(area));
    if (printer)
        s.setLineWidth(1);
}

} // namespace kavel
