#include "campbellchart.h"

#include "chartpoints.h"
#include "eigendata.h"
#include "valdensettings.h"

#include "framework/chart/chartframe.h"
#include "framework/chart/rightscale.h"
#include "framework/results/resultrow.h"
#include "framework/surface/drawingsurface.h"

namespace kavel {

namespace {

FrameInputs campbellFrame(const ValdenSettings& settings, const ChartGeometry& g, int DampingShown)
{
    FrameInputs frame { settings.xAxis(), settings.yAxis(), g };
    frame.yLabelOffset = 2;
    frame.xGrid = true;
    frame.yGrid = DampingShown != 0;
    return frame;
}

// The damping scale: its lower half (−0.02 … 0.1 in steps of 0.01) fills the
// lower half of the range 0 … Ymax, its upper half (0.1 … 1 in steps of 0.1)
// the upper. Lines across at 0, 0.1 and 1, labels also at 0.05 and 0.5.
std::vector<ScaleMark> dampingScale(const ValdenSettings& settings, const ChartGeometry& g)
{
    std::vector<ScaleMark> marks;
    const double height = g.ScaleY * settings.Ymax;
    for (int k = 0; k <= 12; ++k) {
        const double d = 0.01 * k - 0.02;
        const double y = g.OffsetY - height * k / 24;
        if (k == 2 || k == 12)
            marks.push_back({ y, 0, d });
        else if (k == 7)
            marks.push_back({ y, 1, d });
        else
            marks.push_back({ y, 0.5, std::nullopt });
    }
    for (int k = 12; k <= 21; ++k) {
        const double d = 0.1 * k - 1.1;
        const double y = g.OffsetY - height * (k - 3) / 18;
        if (k == 21)
            marks.push_back({ y, 0, d });
        else if (k == 16)
            marks.push_back({ y, 1, d });
        else
            marks.push_back({ y, 0.5, std::nullopt });
    }
    return marks;
}

// From physical (0, 0) to where frequency equals speed leaves the frame:
// the top edge when the speed range reaches further, the right edge when
// the frequency range does, the corner when they are equal.
void synchronousLine(DrawingSurface& s, const ValdenSettings& settings, const ChartGeometry& g)
{
    const double length = double(settings.Ylength);
    double xe = kValdenOrigin.x() + settings.Xlength;
    double ye = kValdenOrigin.y() - length;
    if (settings.Xmax > settings.Ymax)
        xe = kValdenOrigin.x() + settings.Xlength * (settings.Ymax - settings.Xmin) / (settings.Xmax - settings.Xmin);
    if (settings.Xmax < settings.Ymax)
        ye = kValdenOrigin.y() - length * (settings.Xmax - settings.Ymin) / (settings.Ymax - settings.Ymin);
    s.line(g.OffsetX, g.OffsetY, xe, ye);
}

// The XY chart as a plot area: speed across, the frequency on the left
// scale and the damping ratio on the right one, which is made of two
// straight halves (DampingFraction).
PlotArea campbellArea(const ValdenSettings& settings, const ChartGeometry& g, int DampingShown)
{
    PlotArea area;
    area.frame = g.frame(settings.Xlength, double(settings.Ylength));
    area.x = DataAxis::linear(DataAxis::nameOf(settings.XYXTitle, "speed"), settings.Xmin, kValdenOrigin.x(), settings.Xmax,
        kValdenOrigin.x() + settings.Xlength);
    area.x.zoomedBy(settings.Xmin, settings.Xmax, &settings.Xpitch);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.FrequencyTitle, "frequency"), settings.Ymin, kValdenOrigin.y(),
        settings.Ymax, kValdenOrigin.y() - double(settings.Ylength)));
    area.y.back().zoomedBy(settings.Ymin, settings.Ymax, &settings.Ypitch);
    DataAxis damping;
    damping.name = DataAxis::nameOf(settings.DampingTitle, "damping ratio");
    if (DampingShown != 0) {
        const double height = g.ScaleY * settings.Ymax;
        for (const float d : { -0.02f, 0.1f, 1.0f })
            damping.knots.push_back({ double(d), g.OffsetY - height * DampingFraction(d) });
    }
    area.y.push_back(damping);
    return area;
}

} // namespace

void DrawCampbellFrame(DrawingSurface& s, const ValdenSettings& settings, const ChartGeometry& g, int DampingShown)
{
    const FrameInputs frame = campbellFrame(settings, g, DampingShown);
    {
        const PrinterLineWidth frameWidth(s, settings.FrameWidth);
        DrawFrameEdges(s, frame);
    }
    DrawFrameTicks(s, frame);
    if (DampingShown != 0)
        DrawRightScale(s, kValdenOrigin.x() + settings.Xlength, g.OffsetX, dampingScale(settings, g));
    synchronousLine(s, settings, g);
}

std::vector<std::optional<int>> XYModeColours(const EigenData& data, const ShowCurveFlags& ShowCurve)
{
    return DrawnCurveColours(data.N2, [&](int j) { return FrequencyCurveShown(ShowCurve, j) || DampingCurveShown(ShowCurve, j); });
}

void DrawXYChart(DrawingSurface& s, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve,
    const ChartMarkers& markers)
{
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.xAxis(), settings.yAxis(), kValdenOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;
    const int DampingShown = DampingShownCount(ShowCurve);
    const float CentreY = float(g.CentreY);

    DrawCampbellFrame(s, settings, g, DampingShown);
    DrawTitlesAboveAndBelow(s, g, double(settings.Ylength), settings.XYTitle, settings.XYXTitle);
    // On paper both titles run horizontally, in the printer's font.
    const bool printer = s.isPrinter();
    if (!printer)
        s.selectRotatedFont(QStringLiteral("times new roman"), 15);
    if (DampingShown != 0) {
        s.printAt(g.OffsetX + settings.Xlength + 2, double(CentreY) + 1, settings.DampingTitle);
    }
    s.printAt(0.5, double(CentreY) + 1, settings.FrequencyTitle);
    if (!printer) {
        s.setFontName(QStringLiteral("times new roman"));
        s.setFontSize(8);
    }

    XYPoints p;
    ComputeXYPoints(data, g, settings.Ymax, p);
    PlotArea area = campbellArea(settings, g, DampingShown);
    const FrameClip clip(s, g.frame(settings.Xlength, double(settings.Ylength)));
    {
        const PrinterLineWidth curveWidth(s, settings.CurveWidth);
        for (const DrawnCurve& mode : DrawnCurves(XYModeColours(data, ShowCurve))) {
            const int j = mode.number;
            const bool frequency = FrequencyCurveShown(ShowCurve, j);
            const bool damping = DampingCurveShown(ShowCurve, j);
            area.addOnScales(QStringLiteral("mode %1").arg(j), data.N1, { frequency, damping }, [&](qint64 i) { return data.speedAt(int(i)); },
                [&](int axis, qint64 i) { return axis == 0 ? p.Frequency[data.cell(int(i), j)] : double(p.Damping[data.cell(int(i), j)]); });
            // The frequency and damping curves advance together, a step of
            // each in turn.
            for (int i = 2; i <= data.N1; ++i) {
                const float x1 = p.SpeedX[std::size_t(i - 2)], x2 = p.SpeedX[std::size_t(i - 1)];
                const std::size_t a = data.cell(i - 1, j), b = data.cell(i, j);
                if (frequency)
                    s.segment(x1, p.FreqY[a], x2, p.FreqY[b], mode.colour);
                if (damping)
                    s.segment(x1, p.DampY[a], x2, p.DampY[b], mode.colour);
            }
        }
    }
    s.describe(std::move(area));

    // Speed against frequency.
    DrawChartMarkers(s, markers, MarkerAxes::linear(g, settings.Xlength, double(settings.Ylength)));
}

} // namespace kavel
