#include "planarmodechart.h"

#include "modeshapefiles.h"

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

constexpr int kOutlineColour = 1; // dark blue

// One copy of the outline: the outer contour's upper half, standing on the
// frame edge at `baseY`. Positions count from OriginX, not from Xmin.
bool drawOutline(DrawingSurface& s, const ChartGeometry& g, const RotorModel& outline, double baseY)
{
    double px = 0, py = 0;
    for (int p = 1; p <= outline.N; ++p) {
        const ModelPoint& m = outline.point(p);
        const double x = g.OriginX + g.ScaleX * m.x;
        const double y = baseY - g.ScaleY * (m.D / 2) / 200;
        if (!Single::fits(x) || !Single::fits(y))
            return false;
        if (p > 1)
            s.line(px, py, x, y, kOutlineColour);
        px = x;
        py = y;
    }
    return true;
}

// Steps that may fail: a zero range, an overflow or a chart too large stops
// the drawing here, and the caller goes on with the comment.
void drawBody(DrawingSurface& s, const Mirno1Settings& settings, const PlanarModeShapes& shapes, const RotorModel& outline, const ModeFlags& modeShown)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.X, settings.Y, kMirno1Origin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;

    const FrameInputs frame { settings.X, settings.Y, g };
    DrawChartFrame(s, frame, settings.FrameWidth);

    DrawTitlesAboveAndBelow(s, g, settings.Y.length, settings.Title, settings.XTitle);
    s.selectRotatedFont(QStringLiteral("Century"), 15);
    s.printAt(1.5, g.CentreY + 2, settings.YTitle);
    s.resetOwnFont();

    s.setLineWidth(1);
    if (!drawOutline(s, g, outline, g.OriginY - settings.Y.length))
        return;
    if (!printer && !drawOutline(s, g, outline, g.OriginY))
        return;

    const std::size_t N1 = std::size_t(shapes.N1);
    std::vector<float> x(N1);
    for (std::size_t k = 0; k < N1; ++k) {
        const double cx = g.OriginX + g.ScaleX * shapes.stationPos[k];
        if (!Single::fits(cx))
            return;
        x[k] = float(cx);
    }
    const long long segmentsPerMode = std::max<long long>(0, shapes.N1 - 1);
    // The stations stand from the frame's left edge whatever Xmin is, so
    // the x axis reads from 0 there and is not zoomed.
    PlotArea area;
    area.frame = g.frame(settings.X.length, settings.Y.length);
    area.x = DataAxis::linear(DataAxis::nameOf(settings.XTitle, "axial position"), 0, g.OriginX, settings.X.max - settings.X.min,
        g.OriginX + settings.X.length);
    area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.YTitle, "deflection"), settings.Y.min, g.OriginY, settings.Y.max,
        g.OriginY - settings.Y.length));
    area.y.back().zoomedBy(settings.Y.min, settings.Y.max, &settings.Y.pitch);
    const struct Describe {
        DrawingSurface& s;
        PlotArea& area;
        ~Describe() { s.describe(std::move(area)); }
    } describe { s, area };
    const FrameClip clip(s, g.frame(settings.X.length, settings.Y.length));
    long long segments = 0;
    int drawn = 0;
    std::vector<float> y(N1);
    for (int i = 1; i <= shapes.N2; ++i) {
        if (!planarModeShown(modeShown, i))
            continue;
        segments += segmentsPerMode;
        if (segments > kMaxModeSegments)
            return;
        for (std::size_t k = 0; k < N1; ++k) {
            const double cy = g.OffsetY - g.ScaleY * shapes.modeShape(int(k) + 1, i, 0);
            if (!Single::fits(cy))
                return;
            y[k] = float(cy);
        }
        const int colour = Palette::curveColour(drawn++);
        area.curves.push_back(PlotCurve::sampled(QStringLiteral("mode %1").arg(i), qint64(N1), [&](qint64 k) { return shapes.stationPos[std::size_t(k - 1)]; },
            [&](qint64 k) { return shapes.modeShape(int(k), i, 0); }));
        for (std::size_t k = 1; k < N1; ++k)
            s.line(x[k - 1], y[k - 1], x[k], y[k], colour);
    }
}

} // namespace

// Modes beyond the flag table have no box of their own: "All" shows them.
bool planarModeShown(const ModeFlags& modeShown, int mode)
{
    return modeChecked(modeShown, kAllModes, kAllModes, 0, mode);
}

void DrawPlanarModeChart(DrawingSurface& s, const Mirno1Settings& settings, const PlanarModeShapes& shapes, const RotorModel& outline,
    const ModeFlags& modeShown)
{
    DrawChartPage(s, shapes.FileComment, ChartPageStyle {}, [&] { drawBody(s, settings, shapes, outline, modeShown); });
}

} // namespace kavel
