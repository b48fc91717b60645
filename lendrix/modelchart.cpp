#include "modelchart.h"

#include "lendrixmodel.h"
#include "lendrixsettings.h"

#include "framework/chart/chartframe.h"
#include "framework/chart/chartpage.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

namespace kavel {

namespace {

constexpr QPointF kOrigin { 4, 18 };
constexpr int kDarkBlue = 1;

// Steps that may fail: a zero range or frequencies block 5 cannot give stop
// the drawing here, and the caller goes on with the comment.
void drawBody(DrawingSurface& s, const LendrixSettings& settings, const LendrixModel& model, const LendrixModeFlags& flags)
{
    const bool printer = s.isPrinter();
    const std::optional<ChartGeometry> geometry = ChartGeometry::compute(settings.X, settings.Y, kOrigin);
    if (!geometry)
        return;
    const ChartGeometry& g = *geometry;
    const double top = g.OriginY - settings.Y.length;

    s.setFont(QStringLiteral("times new roman"), 8);
    const FrameInputs frame { settings.X, settings.Y, g };
    DrawChartFrame(s, frame, settings.FrameWidth);

    s.printAt(g.CentreX - 5, top - 3, settings.Title);
    s.printAt(g.CentreX - 2, g.OriginY + 1.5, settings.XTitle);
    s.selectRotatedFont(QStringLiteral("Century"), printer ? 120 : 15);
    s.printAt(1, g.CentreY + 2, settings.YTitle);
    s.resetOwnFont();

    // The rotor's outer contour above the frame, its radius at 1/200 of
    // the Y scale; stations and points are placed as if Xmin were 0.
    s.setLineWidth(printer ? 20 : 1);
    const RotorModel& rotor = model.rotor;
    auto rx = [&](int i) { return g.OriginX + g.ScaleX * rotor.point(i).x; };
    auto ry = [&](int i) { return top - g.ScaleY * double(float(rotor.point(i).D / 2)) / 200; };
    const int N = std::min<int>(rotor.N, int(rotor.points.size()));
    for (int i = 2; i <= N; ++i)
        s.line(rx(i - 1), ry(i - 1), rx(i), ry(i), kDarkBlue);
    s.setLineWidth(1);

    const qint64 stations = std::min<qint64>(model.nz, qint64(model.Z.size()));
    auto zx = [&](qint64 i) { return float(g.OriginX + g.ScaleX * double(model.Z[std::size_t(i - 1)])); };
    auto ty = [&](qint64 i, qint64 j) { return float(g.OffsetY - g.ScaleY * double(model.table(i, j))); };
    const qint64 columns = model.p + model.q;
    {
        // The stations stand from the frame's left edge whatever Xmin is,
        // so the x axis reads from 0 there and is not zoomed.
        PlotArea area;
        area.frame = g.frame(settings.X.length, settings.Y.length);
        area.x = DataAxis::linear(DataAxis::nameOf(settings.XTitle, "axial position"), 0, g.OriginX, settings.X.max - settings.X.min,
            g.OriginX + settings.X.length);
        area.y.push_back(DataAxis::linear(DataAxis::nameOf(settings.YTitle, "value"), settings.Y.min, g.OriginY, settings.Y.max, top));
        area.y.back().zoomedBy(settings.Y.min, settings.Y.max, &settings.Y.pitch);
        const FrameClip clip(s, g.frame(settings.X.length, settings.Y.length));
        int drawn = 0;
        for (qint64 j = 1; j <= columns; ++j) {
            if (!columnSelected(flags, j))
                continue;
            area.curves.push_back(PlotCurve::sampled(QStringLiteral("No.%1").arg(j), stations, [&](qint64 i) { return model.Z[std::size_t(i - 1)]; },
                [&](qint64 i) { return model.table(i, j); }));
            const int colour = Palette::curveColour(drawn++);
            for (qint64 i = 2; i <= stations; ++i)
                s.line(zx(i - 1), ty(i - 1, j), zx(i), ty(i, j), colour);
        }
        s.describe(std::move(area));
    }

    const std::optional<QStringList> frequencies = FrequencyText(model);
    if (!frequencies)
        return;
    for (qint64 j = 1; j <= columns; ++j) {
        s.printAt(g.OffsetX + settings.X.length + 1, top - 1 + double(j), QStringLiteral("No.%1   %2  Hz").arg(j).arg((*frequencies)[qsizetype(j - 1)]));
    }

    for (qint64 i = 1; i <= stations; ++i) {
        if (isBareStation(model, i))
            s.line(zx(i), top, zx(i), g.OriginY);
    }
}

} // namespace

bool columnSelected(const LendrixModeFlags& flags, qint64 j)
{
    if (flags[kLendrixAll] == 1)
        return true;
    return j >= 1 && j <= qint64(flags.size()) && flags[std::size_t(j - 1)] == 1;
}

bool isBareStation(const LendrixModel& model, qint64 i)
{
    qint64 pairs = 1;
    for (qint64 j = model.p + 1; j <= model.p + model.q - 1; ++j) {
        if (model.table(i, j) == 0 && model.table(i, j + 1) == 0)
            ++pairs;
    }
    return pairs == model.q;
}

void DrawModelChart(DrawingSurface& s, const LendrixSettings& settings, const LendrixModel& model, const LendrixModeFlags& flags)
{
    ChartPageStyle style;
    style.printerThinComment = true;
    DrawChartPage(s, model.FileComment, style, [&] { drawBody(s, settings, model, flags); });
}

} // namespace kavel
