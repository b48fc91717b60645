#include "polarchart.h"

#include "zeptalsettings.h"

#include "framework/chart/paths.h"
#include "framework/results/resultrow.h"
#include "framework/surface/drawingsurface.h"

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

std::vector<std::optional<int>> PolarCurveColours(const UnbalanceResponse& data, const CurveFlags& curveFlags)
{
    return DrawnCurveColours(data.curveCount, [&](int j) { return AmplitudeShown(curveFlags, j); });
}

void DrawPolarChart(DrawingSurface& s, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags)
{
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
    // A curve is its amplitude's path.
    DrawPaths(
        s, std::move(area), QStringLiteral("curve %1"), data.speedCount, PolarCurveColours(data, curveFlags), settings.CurveWidth,
        [&](int i, int j) { return QPointF(data.amplitude(i, j), data.phase(i, j)); }, [&](int i) { return data.speed(i); },
        [&](int i, int j) { return QPointF(chartPos(i, j, 0), chartPos(i, j, 1)); });
}

} // namespace kavel
