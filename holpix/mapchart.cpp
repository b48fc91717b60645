#include "mapchart.h"

#include "criticalspeedmap.h"
#include "holpixsettings.h"
#include "mapaxes.h"
#include "maptochart.h"

#include "framework/chart/chartpage.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

namespace kavel {

namespace {

// One axis of the map as its routine drew it: linear from the minimum, or
// logarithmic over the usable range.
DataAxis mapAxis(const QString& name, const AxisSettings& a, const std::optional<LogAxis>& log, bool isLog, double start, double end)
{
    DataAxis axis = isLog && log ? DataAxis::log(name, log->min, start, log->max, end) : DataAxis::linear(name, a.min, start, a.max, end);
    axis.zoomedBy(a.min, a.max, isLog ? nullptr : &a.pitch);
    return axis;
}

PlotArea mapArea(const HolpixSettings& settings, const CriticalSpeedMap& map, const MapScales& scales, const MapCurveFlags& curveFlags)
{
    const ChartGeometry& g = scales.g;
    PlotArea area;
    area.frame = g.frame(settings.X.length, settings.Y.length);
    area.x = mapAxis(DataAxis::nameOf(settings.XTitle, "support stiffness"), settings.X, scales.logX, scales.xLog, g.OriginX,
        g.OriginX + settings.X.length);
    area.y.push_back(mapAxis(DataAxis::nameOf(settings.YTitle, "frequency"), settings.Y, scales.logY, scales.yLog, g.OriginY,
        g.OriginY - settings.Y.length));
    auto curve = [&](int j, int k, const char* kind) {
        area.curves.push_back(PlotCurve::sampled(QStringLiteral("mode %1 %2").arg(j).arg(QLatin1String(kind)), map.pointCount,
            [&](qint64 i) { return map.stiffness[std::size_t(i)]; }, [&](qint64 i) { return map.frequency(int(i), j, k); }));
    };
    for (int j = 1; j <= map.modeCount; ++j) {
        if (CriticalCurveShown(curveFlags, j))
            curve(j, CriticalSpeedKind, "critical speed");
    }
    for (int j = 1; j <= map.modeCount; ++j) {
        if (StandstillCurveShown(curveFlags, j))
            curve(j, StandstillKind, "standstill frequency");
    }
    return area;
}

// Each selected curve in the next colour: the standstill curves continue
// the sequence where the critical speed curves stopped.
void drawCurves(DrawingSurface& s, const QRectF& frame, const CriticalSpeedMap& map, const ChartPoints& p, const MapCurveFlags& curveFlags)
{
    const FrameClip clip(s, frame);
    int c = 0;
    auto curve = [&](int j, int k) {
        const int colour = Palette::curveColour(c++);
        for (int i = 2; i <= map.pointCount; ++i)
            s.line(p.chartX[std::size_t(i - 1)], p.chartY(i - 1, j, k), p.chartX[std::size_t(i)], p.chartY(i, j, k), colour);
    };
    for (int j = 1; j <= map.modeCount; ++j) {
        if (CriticalCurveShown(curveFlags, j))
            curve(j, CriticalSpeedKind);
    }
    for (int j = 1; j <= map.modeCount; ++j) {
        if (StandstillCurveShown(curveFlags, j))
            curve(j, StandstillKind);
    }
}

// Where the axes place a stiffness and a frequency: on a log axis nowhere
// below its minimum (the curves are pinned to the axis there, a mark is
// left out).
MarkerAxes markerAxes(const HolpixSettings& settings, const MapScales& scales)
{
    const ChartGeometry& g = scales.g;
    auto x = [&settings, &scales, g](double k) -> std::optional<double> {
        if (!scales.xLog)
            return g.OriginX + (k - settings.X.min) * g.ScaleX;
        if (!(k >= scales.logX->min))
            return std::nullopt;
        return g.OriginX + scales.logX->offset(k);
    };
    auto y = [&settings, &scales, g](double f) -> std::optional<double> {
        if (!scales.yLog)
            return g.OriginY - (f - settings.Y.min) * g.ScaleY;
        if (!(f >= scales.logY->min))
            return std::nullopt;
        return g.OriginY - scales.logY->offset(f);
    };
    return { g.frame(settings.X.length, settings.Y.length), x, y };
}

// Steps that may fail: a zero range stops the drawing here, and the caller
// goes on with the comment.
void drawBody(DrawingSurface& s, HolpixSettings& settings, const CriticalSpeedMap& map, const MapCurveFlags& curveFlags,
    const AxisOptions& axisOptions, const ChartMarkers& markers)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.X, settings.Y, kHolpixOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;

    const auto scale = [](bool log) { return log ? AxisScale::Log : AxisScale::Linear; };
    const MapScales scales = DrawMapAxes(s, settings, g, scale(xLogarithmic(axisOptions)), scale(yLogarithmic(axisOptions)));

    s.printAt(g.CentreX - 4, g.OriginY - settings.Y.length - 2, settings.Title);
    s.printAt(g.CentreX - 4, g.OriginY + 1.5, settings.XTitle);
    const QString face = printer ? QStringLiteral("Century") : QStringLiteral("times new roman");
    s.selectRotatedFont(face, 15);
    s.printAt(0.5, g.CentreY + 4, settings.YTitle);
    s.setFont(face, 8);

    // An axis the routine could not tick is named under the X title.
    double noteY = g.OriginY + 2.2;
    for (const QString& note : { scales.xNote, scales.yNote }) {
        if (note.isEmpty())
            continue;
        s.printAt(g.OriginX, noteY, note);
        noteY += 0.4;
    }

    if (!scales.curvesMappable())
        return;
    s.describe(mapArea(settings, map, scales, curveFlags));
    drawCurves(s, g.frame(settings.X.length, settings.Y.length), map, MapToChart(map, settings, scales), curveFlags);
    DrawChartMarkers(s, markers, markerAxes(settings, scales));
}

} // namespace

void DrawCriticalSpeedMap(DrawingSurface& s, HolpixSettings& settings, const CriticalSpeedMap& map,
    const MapCurveFlags& curveFlags, const AxisOptions& axisOptions, const ChartMarkers& markers)
{
    ChartPageStyle style;
    style.printerCommentX = 4;
    style.printerCommentFont = style.commentFont;
    style.printerThinComment = true;
    DrawChartPage(s, map.FileComment, style, [&] { drawBody(s, settings, map, curveFlags, axisOptions, markers); });
}

} // namespace kavel
