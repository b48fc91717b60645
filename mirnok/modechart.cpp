#include "modechart.h"

#include "modeshapes.h"

#include "framework/chart/chartframe.h"
#include "framework/chart/chartpage.h"
#include "framework/models/rotormodel.h"
#include "framework/reading/numbertext.h"
#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <cmath>
#include <limits>

namespace kavel {

namespace {

// The outline lies this far below the sketch.
constexpr double kOutlineDrop = 12;

bool fitsSingle(double v)
{
    return std::isfinite(v) && std::fabs(v) <= double(std::numeric_limits<float>::max());
}

bool isVertical(double viewAngle)
{
    return viewAngle == 90 || viewAngle == -90;
}

// The general number form of a single-precision value: a 0 before the
// point, at most 7 significant digits, so that a stored 12.3 reads "12.3".
QString general(double value)
{
    return NumberText::general(double(float(value)), NumberText::kSingleDigits);
}

double sign(float v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

class ModeChart {
public:
    ModeChart(DrawingSurface& surface, const ModeChartInput& input)
        : s(surface)
        , in(input)
        , settings(input.settings)
    {
    }

    // Steps 2 to 7; a failing step ends the drawing there with its reason.
    QString drawBody(float phi, ModeLegend legend)
    {
        const std::optional<ModeProjection> projection = ModeProjection::compute(settings);
        if (!projection)
            return settings.zMax == settings.zMin ? QStringLiteral("zMax equals zMin: the shaft axis has no scale")
                : settings.xyMax == settings.xyMin ? QStringLiteral("xyMax equals xyMin: the deflection axes have no scale")
                                                   : QStringLiteral("the axis settings give no finite scale");
        p = *projection;
        drawAxes();
        drawTitles();
        s.setLineWidth(1);
        if (QString failure = drawOutline(); !failure.isEmpty())
            return failure;
        // What was drawn of the modes is described, whether or not all was.
        PlotArea area = sketchArea();
        const QString failure = drawModes(phi, area);
        s.describe(std::move(area));
        if (!failure.isEmpty())
            return failure;
        if (legend == ModeLegend::Shown)
            drawLegend();
        return {};
    }

private:
    void drawAxes()
    {
        if (s.isPrinter())
            s.setLineWidth(printerLineWidth(settings.FrameWidth));
        const bool corner = settings.xyMin >= 0;
        const bool flat = settings.viewAngle == 0;
        const bool vertical = isVertical(settings.viewAngle);
        if (corner) {
            s.line(p.xOrg, p.yOrg, p.xOrg + settings.xyChart, p.yOrg);
            s.line(p.xOrg, p.yOrg, p.xOrg, p.yOrg - settings.xyChart);
        } else {
            if (!flat)
                s.line(p.xOrg, p.zeroY, p.xOrg + settings.xyChart, p.zeroY);
            if (!vertical)
                s.line(p.zeroX, p.yOrg, p.zeroX, p.yOrg - settings.xyChart);
        }
        s.line(p.zeroX, p.zeroY, p.zeroX + p.axisRun, p.zeroY - p.axisRise);

        const double u = p.xyScale * settings.xyPitch;
        const double h = corner ? p.yOrg : p.zeroY;
        const double w = corner ? p.xOrg : p.zeroX;
        const std::vector<double> deflections = tickValues(settings.xyMax - settings.xyMin, settings.xyPitch);
        for (std::size_t n = 0; n < deflections.size(); ++n) {
            const double v = settings.xyMin + deflections[n];
            const double at = double(n) * u;
            if (!flat) {
                s.line(p.xOrg + at, h, p.xOrg + at, h - 0.5);
                s.printNumberAt(p.xOrg + at, h - 0.2, v);
            }
            if (!vertical) {
                s.line(w, p.yOrg - at, w + 0.5, p.yOrg - at);
                // The value ends left of the axis: begun at its point, it ran
                // under the axis, which hid the minus sign of every negative
                // value ("-.5" read ".5").
                s.point(w - 0.1, p.yOrg - at - 0.3, Palette::kLightGrey);
                s.printNumber(v, TextAnchor::TopRight);
            }
        }

        const double t = p.zScale * settings.zPitch;
        const double c = std::cos(p.axisAngle);
        const double sn = std::sin(p.axisAngle);
        const std::vector<double> stations = tickValues(settings.zMax - settings.zMin, settings.zPitch);
        for (std::size_t n = 0; n < stations.size(); ++n) {
            const double px = p.zeroX + double(n) * t * c;
            const double py = p.zeroY - double(n) * t * sn;
            s.line(px, py + 0.5, px, py - 0.5);
            s.line(px - 0.5, py, px + 0.5, py);
            s.printNumber(settings.zMin + stations[n]);
        }
    }

    void title(double x, double y, const QString& text)
    {
        s.printAt(x, y, text);
    }

    void drawTitles()
    {
        const double angle = settings.viewAngle;
        const double titleY = p.xyScale * settings.xyMax <= p.axisRise ? p.zeroY - p.axisRise - 2 : p.yOrg - settings.xyChart - 2;
        title(p.xOrg + (p.axisRun - p.xyScale * settings.xyMin) / 2, titleY, settings.chartTitle);
        if (angle == 0)
            title(p.shaftX0 + p.axisRun / 2, p.yOrg + 1.5, settings.zTitle);
        else
            title(p.boxCenterX, p.yOrg + 1.5, settings.xTitle);
        if (angle != 0 && !isVertical(angle))
            title(p.shaftX0 + p.axisRun, p.shaftY0 - p.axisRise + (angle > 0 ? -1.5 : 1.5), settings.zTitle);

        // Upward on the screen; the page prints it in its ordinary font.
        if (!s.isPrinter())
            s.selectRotatedFont(QStringLiteral("Century"), 15);
        if (isVertical(angle))
            title(0.5, p.shaftY0 - settings.zChart / 2, settings.zTitle);
        else
            title(0.5, p.boxCenterY + 2, settings.yTitle);
        if (!s.isPrinter()) {
            s.setFontName(QStringLiteral("times new roman"));
            s.setFontSize(8);
        }
    }

    QString drawOutline()
    {
        const RotorModel& outline = in.outline;
        const int P = int(outline.points.size());
        double lastX = 0;
        double lastY = 0;
        // The outline spans the shaft axis as zMax does.
        if (P >= 2 && settings.zMax == 0)
            return QStringLiteral("zMax is 0: the rotor outline has no scale");
        for (int q = 1; q <= P; ++q) {
            const ModelPoint& point = outline.point(q);
            const double x = p.zeroX + double(float(point.x)) * p.axisRun / settings.zMax;
            const double y = p.zeroY - p.xyScale * (double(float(point.D)) / 2) / 100 + kOutlineDrop;
            if (!fitsSingle(x) || !fitsSingle(y))
                return QStringLiteral("point %1 of the rotor outline lies beyond the chart's range").arg(q);
            if (q >= 2)
                s.line(lastX, lastY, x, y, 1);
            lastX = x;
            lastY = y;
        }
        s.line(p.zeroX, p.zeroY + kOutlineDrop, p.zeroX + p.axisRun, p.zeroY + kOutlineDrop, 1);
        return {};
    }

    // The sketch has no plane to read: the cursor reads the nearest
    // station of a mode, and the data are each mode's deflections at the
    // phase drawn.
    PlotArea sketchArea() const
    {
        PlotArea area;
        area.kind = PlotArea::Kind::Sketch;
        area.x.name = DataAxis::nameOf(settings.zTitle, "axial position");
        area.y.resize(2);
        area.y[0].name = DataAxis::nameOf(settings.xTitle, "horizontal deflection");
        area.y[1].name = DataAxis::nameOf(settings.yTitle, "vertical deflection");
        return area;
    }

    QString drawModes(float phi, PlotArea& area)
    {
        const ComplexModeShapes& shapes = in.shapes;
        const int N1 = shapes.N1();
        const int N2 = shapes.N2();
        const bool flat = settings.viewAngle == 0;
        const bool upright = isVertical(settings.viewAngle);
        long long segments = 0;
        int drawn = 0;
        for (int i = 1; i <= N2; ++i) {
            if (!isModeShown(in.modeShown, i))
                continue;
            segments += std::max(0, N1 - 1);
            if (segments > kMaxSketchSegments)
                return QStringLiteral("mode %1 and the modes after it would take more than %2 lines").arg(i).arg(kMaxSketchSegments);
            const double turn = double(phi) * sign(shapes.modeInfo(3, i));
            const int colour = Palette::curveColour(drawn++);
            PlotCurve horizontal;
            PlotCurve vertical;
            horizontal.name = vertical.name = QStringLiteral("mode %1").arg(i);
            vertical.axis = 1;
            double lastX = 0;
            double lastY = 0;
            for (int st = 1; st <= N1; ++st) {
                const double position = shapes.stationPos(st);
                const double cosX = std::cos(kSketchPi * (double(shapes.shape(2 * st, i, 0)) + turn) / 180);
                const double cosY = std::cos(kSketchPi * (double(shapes.shape(2 * st, i, 1)) + turn) / 180);
                const double dx = flat ? 0.0 : p.xyScale * double(shapes.shape(2 * st - 1, i, 0)) * cosX;
                const double dy = upright ? 0.0 : p.xyScale * double(shapes.shape(2 * st - 1, i, 1)) * cosY;
                const double x = p.stationX(position) + dx;
                const double y = p.stationY(position) - dy;
                if (!fitsSingle(x) || !fitsSingle(y))
                    return QStringLiteral("station %1 of mode %2 lies beyond the chart's range").arg(st).arg(i);
                horizontal.x.push_back(position);
                horizontal.y.push_back(flat ? 0.0 : double(shapes.shape(2 * st - 1, i, 0)) * cosX);
                vertical.x.push_back(position);
                vertical.y.push_back(upright ? 0.0 : double(shapes.shape(2 * st - 1, i, 1)) * cosY);
                area.markers.push_back({ QPointF(x, y), QStringLiteral("mode %1, station %2 (%3 %4)").arg(i).arg(st).arg(area.x.name, general(position)) });
                if (st >= 2)
                    s.line(lastX, lastY, x, y, colour);
                lastX = x;
                lastY = y;
            }
            area.curves.push_back(std::move(horizontal));
            area.curves.push_back(std::move(vertical));
        }
        return {};
    }

    void drawLegend()
    {
        const ComplexModeShapes& shapes = in.shapes;
        const double x = p.zeroX + p.axisRun + 1;
        title(x, p.zeroY - 5, QStringLiteral("Speed= %1  Hz").arg(general(settings.animStep)));
        for (int i = 1; i <= shapes.N2(); ++i) {
            title(x, p.zeroY - 4 + i, QStringLiteral("No.%1   %2 +j %3  Hz")
                      .arg(i)
                      .arg(general(shapes.modeInfo(4, i)), general(shapes.modeInfo(5, i))));
        }
    }

    DrawingSurface& s;
    const ModeChartInput& in;
    const MirnokSettings& settings;
    ModeProjection p;
};

} // namespace

std::optional<ModeProjection> ModeProjection::compute(const MirnokSettings& settings)
{
    if (settings.zMax == settings.zMin || settings.xyMax == settings.xyMin)
        return std::nullopt;
    ModeProjection p;
    p.xOrg = 3;
    p.yOrg = settings.viewAngle >= 0 ? 23 : 15;
    p.zScale = settings.zChart / (settings.zMax - settings.zMin);
    p.xyScale = settings.xyChart / (settings.xyMax - settings.xyMin);
    p.zeroX = p.xOrg - p.xyScale * settings.xyMin;
    p.zeroY = p.yOrg + p.xyScale * settings.xyMin;
    p.boxCenterX = p.xOrg + p.xyScale * (settings.xyMax - settings.xyMin) / 2;
    p.boxCenterY = p.yOrg - p.xyScale * (settings.xyMax - settings.xyMin) / 2;
    p.axisAngle = kSketchPi * settings.viewAngle / 180;
    p.axisRun = settings.zChart * std::cos(p.axisAngle);
    p.axisRise = settings.zChart * std::sin(p.axisAngle);
    p.shaftX0 = p.zeroX - std::cos(p.axisAngle) * p.zScale * settings.zMin;
    p.shaftY0 = p.zeroY + std::sin(p.axisAngle) * p.zScale * settings.zMin;
    for (double v : { p.zScale, p.xyScale, p.zeroX, p.zeroY, p.boxCenterX, p.boxCenterY, p.axisRun, p.axisRise, p.shaftX0, p.shaftY0 }) {
        if (!fitsSingle(v))
            return std::nullopt;
    }
    return p;
}

double ModeProjection::stationX(double position) const
{
    return shaftX0 + std::cos(axisAngle) * zScale * position;
}

double ModeProjection::stationY(double position) const
{
    return shaftY0 - std::sin(axisAngle) * zScale * position;
}

std::optional<QRectF> WhirlEnvelope(const ModeChartInput& input)
{
    const std::optional<ModeProjection> p = ModeProjection::compute(input.settings);
    if (!p)
        return std::nullopt;
    const ComplexModeShapes& shapes = input.shapes;
    const bool flat = input.settings.viewAngle == 0;
    const bool vertical = isVertical(input.settings.viewAngle);
    double left = 0, right = 0, top = 0, bottom = 0;
    bool any = false;
    long long stations = 0;
    for (int i = 1; i <= shapes.N2(); ++i) {
        if (!isModeShown(input.modeShown, i))
            continue;
        stations += shapes.N1();
        if (stations > kMaxSketchSegments)
            break;
        for (int st = 1; st <= shapes.N1(); ++st) {
            const double x = p->stationX(shapes.stationPos(st));
            const double y = p->stationY(shapes.stationPos(st));
            const double rx = flat ? 0.0 : std::fabs(p->xyScale * double(shapes.shape(2 * st - 1, i, 0)));
            const double ry = vertical ? 0.0 : std::fabs(p->xyScale * double(shapes.shape(2 * st - 1, i, 1)));
            if (!fitsSingle(x - rx) || !fitsSingle(x + rx) || !fitsSingle(y - ry) || !fitsSingle(y + ry))
                continue;
            left = any ? std::min(left, x - rx) : x - rx;
            right = any ? std::max(right, x + rx) : x + rx;
            top = any ? std::min(top, y - ry) : y - ry;
            bottom = any ? std::max(bottom, y + ry) : y + ry;
            any = true;
        }
    }
    if (!any)
        return std::nullopt;
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

bool isModeShown(const ModeShown& modeShown, int i)
{
    return modeChecked(modeShown, kAllModesBox, kAllModesBox, 0, i);
}

ModeChartOutcome DrawModeChart(DrawingSurface& s, const ModeChartInput& input, float phi, ModeLegend legend)
{
    ChartPageStyle style;
    style.screenCommentX = style.printerCommentX = 3;
    style.commentFont = ChartFont { QStringLiteral("small fonts"), 7 };
    style.printerCommentFont = style.commentFont;
    style.systemFace = QStringLiteral("system");
    ModeChartOutcome outcome;
    DrawChartPage(s, input.shapes.FileComment, style, [&] { outcome.failure = ModeChart(s, input).drawBody(phi, legend); });
    return outcome;
}

} // namespace kavel
