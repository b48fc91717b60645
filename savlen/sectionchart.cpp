#include "sectionchart.h"

#include "framework/models/rotormodel.h"
#include "savlensettings.h"

#include "framework/chart/chartframe.h"
#include "framework/chart/chartpage.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

namespace kavel {

namespace {

constexpr QPointF kOrigin { 5, 18 };

// The section as a plot area: the radius of each contour along the axis,
// the lower half's negative.
PlotArea sectionArea(const SavlenSettings& settings, const RotorModel& model, const ChartGeometry& g, bool bothHalves)
{
    PlotArea area;
    area.frame = g.frame(settings.X.length, settings.Y.length);
    area.x = DataAxis::linear(DataAxis::nameOf(settings.XTitle, "axial position"), settings.X.min, g.OriginX, settings.X.max, g.OriginX + settings.X.length);
    area.x.zoomedBy(settings.X.min, settings.X.max, &settings.X.pitch);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.YTitle, "radius"), settings.Y.min, g.OriginY, settings.Y.max, g.OriginY - settings.Y.length));
    area.y.back().zoomedBy(settings.Y.min, settings.Y.max, &settings.Y.pitch);
    area.curves = ContourCurves(model, bothHalves);
    return area;
}

// Steps that may fail: a zero range or an overflow stops the drawing here,
// and the caller goes on with the comment.
void drawBody(DrawingSurface& s, const SavlenSettings& settings, const RotorModel& model, int ShowNumbers)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.X, settings.Y, kOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;

    s.setFont(QStringLiteral("times new roman"), printer ? 12 : 8);
    const FrameInputs frame { settings.X, settings.Y, g };
    DrawChartFrame(s, frame, settings.FrameWidth);

    s.printAt(g.CentreX - 4, g.OriginY - settings.Y.length - 2, settings.Title);
    s.printAt(g.CentreX - 2, g.OriginY + 1.5, settings.XTitle);
    if (printer)
        s.selectRotatedFont(QString::fromUtf8("標準明朝"), 20);
    else
        s.selectRotatedFont(QStringLiteral("times new roman"), 15);
    s.printAt(1.5, g.CentreY + 4, settings.YTitle);
    s.resetOwnFont();

    const bool bothHalves = settings.ContourMode != 2;
    ScaledRotor r;
    if (!ScaleRotorModel(model, g, bothHalves, r))
        return;
    // Element labels sit on the second point of each element with both
    // halves drawn, on the first with the upper half only; the final station
    // label on the last-but-one point or on the last.
    const int k1 = bothHalves ? 0 : 1;
    const int k2 = bothHalves ? 1 : 0;
    s.setFont(QStringLiteral("Small Fonts"), 6);
    s.describe(sectionArea(settings, model, g, bothHalves));

    const int N = model.N;
    auto at = [](const std::vector<float>& v, int i) { return v[std::size_t(i - 1)]; };
    const FrameClip clip(s, g.frame(settings.X.length, settings.Y.length));
    int c = 2;
    for (int i = 2; i <= N; ++i) {
        if (ShowNumbers == 1) {
            if (c == 2) {
                s.printNumberAt(at(r.cx, i - k1), at(r.cyOuter[0], i - k1), model.point(i).number, Palette::kLightRed);
            }
            if (i == N) {
                s.printNumberAt(at(r.cx, i - k2), at(r.cyOuter[0], i - k2), model.point(i).number + 1, Palette::kLightRed);
            }
        }
        s.line(at(r.cx, i - 1), at(r.cyOuter[0], i - 1), at(r.cx, i), at(r.cyOuter[0], i));
        s.line(at(r.cx, i - 1), at(r.cyInner[0], i - 1), at(r.cx, i), at(r.cyInner[0], i));
        if (bothHalves) {
            s.line(at(r.cx, i - 1), at(r.cyOuter[1], i - 1), at(r.cx, i), at(r.cyOuter[1], i));
            s.line(at(r.cx, i - 1), at(r.cyInner[1], i - 1), at(r.cx, i), at(r.cyInner[1], i));
        }
        c = c == 4 ? 1 : c + 1;
    }
    if (printer)
        s.setLineWidth(1);
}

} // namespace

void DrawSectionChart(DrawingSurface& s, const SavlenSettings& settings, const RotorModel& model, int ShowNumbers)
{
    ChartPageStyle style;
    style.printerCommentFont = ChartFont { QStringLiteral("times new roman"), 12 };
    DrawChartPage(s, model.FileComment, style, [&] { drawBody(s, settings, model, ShowNumbers); });
}

} // namespace kavel
