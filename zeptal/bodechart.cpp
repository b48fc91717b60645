#include "bodechart.h"

#include "zeptalsettings.h"

#include "framework/chart/rightscale.h"
#include "framework/results/resultrow.h"
#include "framework/surface/drawingsurface.h"

#include <array>

namespace kavel {

namespace {

// The phase scale on the right edge: lines across at −180 and −360, ticks
// at −90 and −270, every mark labelled.
std::vector<ScaleMark> phaseScale(const ZeptalSettings& settings, const ChartGeometry& g)
{
    std::vector<ScaleMark> marks;
    const double top = kBodeOrigin.y() - double(settings.Ylength);
    for (int m = 1; m <= 4; ++m)
        marks.push_back({ top + m * g.ScaleY * settings.Ypitch, m % 2 == 0 ? 0.0 : 0.5, -90.0 * m });
    return marks;
}

// The Bode chart as a plot area: amplitude on the left scale, the phase on
// the right one, whose 0 lies one frame height above the amplitude's 0 and
// whose 90 degrees take one amplitude division.
PlotArea bodeArea(const ZeptalSettings& settings, const ChartGeometry& g)
{
    PlotArea area;
    area.frame = g.frame(settings.Xlength, double(settings.Ylength));
    area.x = DataAxis::linear(DataAxis::nameOf(settings.XTitle, "speed"), settings.Xmin, kBodeOrigin.x(), settings.Xmax, kBodeOrigin.x() + settings.Xlength);
    area.x.zoomedBy(settings.Xmin, settings.Xmax, &settings.Xpitch);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.AmplitudeTitle, "amplitude"), settings.Ymin, kBodeOrigin.y(), settings.Ymax,
        kBodeOrigin.y() - double(settings.Ylength)));
    area.y.back().zoomedBy(settings.Ymin, settings.Ymax, &settings.Ypitch);
    const double phaseZero = g.OffsetY - double(settings.Ylength);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.PhaseTitle, "phase"), -360, phaseZero + 360 * PhaseScale(settings, g), 0, phaseZero));
    return area;
}

} // namespace

FrameInputs BodeFrameInputs(const ZeptalSettings& settings, const ChartGeometry& g, int phaseCount, bool printer)
{
    FrameInputs frame { settings.xAxis(), settings.yAxis(), g };
    if (!printer) {
        frame.yLabelOffset = 2;
        frame.xGrid = true;
        frame.yGrid = phaseCount == 0;
    }
    return frame;
}

double PhaseScale(const ZeptalSettings& settings, const ChartGeometry& g)
{
    return g.ScaleY * settings.Ypitch / 90;
}

void MapBode(const UnbalanceResponse& data, const ZeptalSettings& settings, const ChartGeometry& g, ChartPos& chartPos)
{
    const double phaseScale = PhaseScale(settings, g);
    const double phaseZero = g.OffsetY - double(settings.Ylength);
    for (int i = 1; i <= data.speedCount; ++i) {
        chartPos(i, 0, 0) = float(g.OffsetX + g.ScaleX * double(data.speed(i)));
        for (int j = 1; j <= data.curveCount; ++j) {
            chartPos(i, j, 0) = float(g.OffsetY - g.ScaleY * double(data.amplitude(i, j)));
            chartPos(i, j, 1) = float(phaseZero - phaseScale * double(data.phase(i, j)));
        }
    }
}

std::vector<std::optional<int>> BodeCurveColours(const UnbalanceResponse& data, const CurveFlags& curveFlags)
{
    return DrawnCurveColours(data.curveCount, [&](int j) { return AmplitudeShown(curveFlags, j) || PhaseShown(curveFlags, j); });
}

void DrawBodeChart(DrawingSurface& s, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags,
    const ChartMarkers& markers)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.xAxis(), settings.yAxis(), kBodeOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;
    const float CentreY = float(g.CentreY);
    const double height = double(settings.Ylength);
    const double right = kBodeOrigin.x() + settings.Xlength;

    const FrameInputs frame = BodeFrameInputs(settings, g, PhaseCount(curveFlags), printer);
    DrawChartFrame(s, frame, settings.FrameWidth);

    DrawTitlesAboveAndBelow(s, g, height, settings.Title, settings.XTitle);
    DrawRightScale(s, right, g.OffsetX, phaseScale(settings, g));

    // On paper both titles run horizontally, in the printer's font, beside
    // the edges; on screen upward, 2 cm and 1 cm further out.
    if (printer) {
        s.printAt(g.OffsetX + settings.Xlength, double(CentreY), settings.PhaseTitle);
        s.printAt(0.5, double(CentreY), settings.AmplitudeTitle);
    } else {
        s.selectRotatedFont(QStringLiteral("times new roman"), 15);
        s.printAt(g.OffsetX + settings.Xlength + 2, double(CentreY) + 1, settings.PhaseTitle);
        s.printAt(0.5, double(CentreY) + 1, settings.AmplitudeTitle);
        s.setFontName(QStringLiteral("times new roman"));
        s.setFontSize(8);
    }

    ChartPos chartPos(data);
    MapBode(data, settings, g, chartPos);
    PlotArea area = bodeArea(settings, g);
    const FrameClip clip(s, g.frame(settings.Xlength, height));
    {
        // Amplitude and phase of one curve share its colour.
        const PrinterLineWidth curveWidth(s, settings.CurveWidth);
        for (const DrawnCurve& curve : DrawnCurves(BodeCurveColours(data, curveFlags))) {
            const int j = curve.number;
            const std::array<bool, 2> shown { AmplitudeShown(curveFlags, j), PhaseShown(curveFlags, j) };
            area.addOnScales(QStringLiteral("curve %1").arg(j), data.speedCount, shown, [&](qint64 i) { return data.speed(int(i)); },
                [&](int k, qint64 i) { return k == 0 ? data.amplitude(int(i), j) : data.phase(int(i), j); });
            for (int i = 2; i <= data.speedCount; ++i) {
                for (int k : { 0, 1 }) {
                    if (shown[std::size_t(k)])
                        s.segment(chartPos(i - 1, 0, 0), chartPos(i - 1, j, k), chartPos(i, 0, 0), chartPos(i, j, k), curve.colour);
                }
            }
        }
    }
    s.describe(std::move(area));

    // Speed against amplitude.
    DrawChartMarkers(s, markers, MarkerAxes::linear(g, settings.Xlength, height));
}

} // namespace kavel
