#include "deflectionchart.h"

#include "deflectiondata.h"
#include "wesparsettings.h"

#include "framework/chart/chartframe.h"
#include "framework/chart/chartpage.h"
#include "framework/models/rotormodel.h"
#include "framework/reading/single.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <cmath>
#include <limits>

namespace kavel {

namespace {

// The frames' Y labels stand 2 cm left of the frame, clear of the wider
// deflection numbers.
constexpr double kYLabelOffset = 2;

DataAxis axialAxis(const WesparSettings& settings)
{
    DataAxis x = DataAxis::linear(DataAxis::nameOf(settings.XTitle, "axial position"), settings.X.min, kWesparOrigin.x(), settings.X.max,
        kWesparOrigin.x() + settings.X.length);
    x.zoomedBy(settings.X.min, settings.X.max, &settings.X.pitch);
    return x;
}

// The deflection chart: a deflection d lands where the frame's labels read
// -d, so its axis runs over the negated range.
PlotArea deflectionArea(const WesparSettings& settings, const DeflectionData& data, const ChartGeometry& g)
{
    PlotArea area;
    area.frame = g.frame(settings.X.length, settings.Y.length);
    area.x = axialAxis(settings);
    DataAxis y = DataAxis::linear(DataAxis::nameOf(settings.YTitle, "deflection"), -settings.Y.max, g.OriginY - settings.Y.length,
        -settings.Y.min, g.OriginY);
    y.zoomedBy(settings.Y.min, settings.Y.max, &settings.Y.pitch);
    y.negated = true;
    area.y.push_back(y);
    area.curves.push_back(PlotCurve::sampled(QStringLiteral("deflection"), data.n, [&](qint64 i) { return data.xs[std::size_t(i - 1)]; },
        [&](qint64 i) { return data.defl[std::size_t(i - 1)]; }));
    return area;
}

// The outline chart: the radius of each contour, the lower half's negative.
PlotArea outlineArea(const WesparSettings& settings, const RotorModel& model, const ChartGeometry& g2, bool bothHalves)
{
    PlotArea area;
    area.frame = g2.frame(settings.X.length, settings.R.length);
    area.x = axialAxis(settings);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.RTitle, "radius"), settings.R.min, g2.OriginY, settings.R.max,
        g2.OriginY - settings.R.length));
    area.y.back().zoomedBy(settings.R.min, settings.R.max, &settings.R.pitch);
    area.curves = ContourCurves(model, bothHalves);
    return area;
}

// Steps that may fail: a zero range or an overflow stops the drawing here,
// and the caller goes on with the comment.
void drawBody(DrawingSurface& s, const WesparSettings& settings, const DeflectionData& data, const RotorModel& model)
{
    const bool printer = s.isPrinter();
    const double originY2 = OriginY2(settings);
    const std::optional<ChartGeometry> lower = ChartGeometry::compute(settings.X, settings.Y, kWesparOrigin);
    const std::optional<ChartGeometry> upper = ChartGeometry::compute(settings.X, settings.R, { kWesparOrigin.x(), originY2 });
    if (!lower || !upper)
        return;
    const ChartGeometry& g = *lower;
    const ChartGeometry& g2 = *upper;

    FrameInputs deflectionFrame { settings.X, settings.Y, g };
    FrameInputs outlineFrame { settings.X, settings.R, g2 };
    deflectionFrame.yLabelOffset = kYLabelOffset;
    outlineFrame.yLabelOffset = kYLabelOffset;
    DrawChartFrame(s, deflectionFrame, settings.FrameWidth);
    DrawChartFrame(s, outlineFrame, settings.FrameWidth);

    // Above the outline chart by its own height, so that a tall outline
    // chart never runs into the title.
    s.printAt(g.CentreX, originY2 - settings.R.length - 2, settings.Title);
    s.printAt(g.CentreX, kWesparOrigin.y() + 1.5, settings.XTitle);
    if (printer) {
        // The page has no rotated font: the Y titles stand level, halfway
        // between each chart's centre and its bottom edge.
        s.printAt(0.5, g.CentreY + (kWesparOrigin.y() - g.CentreY) / 2, settings.YTitle);
        s.printAt(0.5, g2.CentreY + (originY2 - g2.CentreY) / 2, settings.RTitle);
    } else {
        s.selectRotatedFont(QStringLiteral("times new roman"), 15);
        s.printAt(1.5, g.CentreY + 5, settings.YTitle);
        s.printAt(1.5, float(g2.CentreY) + 4, settings.RTitle);
        s.resetOwnFont();
        s.setFont(QStringLiteral("times new roman"), 8);
    }

    // A positive deflection goes down the page: the sign is added, not
    // subtracted as the frame's labels would have it.
    const std::size_t n = std::size_t(data.n);
    std::vector<float> px(n), py(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = g.OffsetX + g.ScaleX * data.xs[i];
        const double y = g.OffsetY + g.ScaleY * data.defl[i];
        if (!Single::fits(x) || !Single::fits(y))
            return;
        px[i] = float(x);
        py[i] = float(y);
    }
    const bool bothHalves = settings.ContourMode != 2;
    ScaledRotor r;
    if (!ScaleRotorModel(model, g2, bothHalves, r))
        return;

    s.describe(deflectionArea(settings, data, g));
    s.describe(outlineArea(settings, model, g2, bothHalves));
    const PrinterLineWidth curveWidth(s, settings.CurveWidth);
    // Each curve within its own chart's frame.
    {
        const FrameClip clip(s, g.frame(settings.X.length, settings.Y.length));
        for (std::size_t i = 1; i < n; ++i)
            s.line(px[i - 1], py[i - 1], px[i], py[i]);
    }
    const FrameClip clip(s, g2.frame(settings.X.length, settings.R.length));
    for (std::size_t k = 1; k < r.cx.size(); ++k) {
        s.line(r.cx[k - 1], r.cyOuter[0][k - 1], r.cx[k], r.cyOuter[0][k]);
        s.line(r.cx[k - 1], r.cyInner[0][k - 1], r.cx[k], r.cyInner[0][k]);
        if (bothHalves) {
            s.line(r.cx[k - 1], r.cyOuter[1][k - 1], r.cx[k], r.cyOuter[1][k]);
            s.line(r.cx[k - 1], r.cyInner[1][k - 1], r.cx[k], r.cyInner[1][k]);
        }
    }
}

} // namespace

double OriginY2(const WesparSettings& settings)
{
    return kWesparOrigin.y() - settings.Y.length - 2;
}

void DrawDeflectionChart(DrawingSurface& s, const WesparSettings& settings, const DeflectionData& data, const RotorModel& model)
{
    ChartPageStyle style;
    style.printerThinComment = true;
    DrawChartPage(s, data.FileComment, style, [&] { drawBody(s, settings, data, model); });
}

} // namespace kavel
