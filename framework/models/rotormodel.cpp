#include "rotormodel.h"

#include "framework/chart/chartframe.h"
#include "framework/reading/fieldreader.h"
#include "framework/reading/numberparse.h"
#include "framework/reading/single.h"
#include "framework/surface/plotarea.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kavel {

namespace {

// The shortest record is four one-character fields with their separators.
constexpr qsizetype kShortestRecord = 8;
// A file still being written declares more points than it holds; up to this
// many of them are kept as zero points, as a complete file would place them.
constexpr double kPointsAlwaysAllowed = 4.0 * 32767;

ReaderDiagnostic readModel(FieldReader& reader, RotorModel& model)
{
    std::optional<QString> comment = reader.fileComment();
    if (!comment)
        return reader.diagnostic();
    model.FileComment = *comment;
    const std::optional<double> n = reader.number();
    if (!n)
        return reader.diagnostic();

    // The count is not trusted beyond what the rest of the file can hold:
    // a count of a billion in a small file must not allocate a billion points.
    const double declared = std::isfinite(*n) ? std::nearbyint(*n) * 4 : 0;
    const double capacity = std::max(double(reader.remaining() / kShortestRecord + 1), kPointsAlwaysAllowed);
    model.points.clear();
    model.N = 0;
    if (declared <= 0) {
        if (declared < 0)
            reader.fail(QStringLiteral("the element count %1 is negative").arg(*n));
        return reader.diagnostic();
    }
    if (declared > capacity)
        reader.fail(QStringLiteral("the element count %1 is more than the file can hold").arg(*n));
    model.N = int(std::min(declared, capacity));
    model.points.assign(std::size_t(model.N), ModelPoint {});

    for (ModelPoint& p : model.points) {
        // Element numbers are whole: a fraction there is a value of another
        // kind of file, read as records.
        const std::optional<QString> text = reader.field();
        if (!text)
            break;
        const std::optional<double> number = text->isEmpty() ? 0.0 : NumberParse::strict(*text);
        if (!number || *number != std::floor(*number) || *number < -32768 || *number > 32767) {
            reader.fail(QStringLiteral("\"%1\" is not an element number").arg(text->left(40)));
            break;
        }
        p.number = qint16(*number);
        const std::optional<double> x = reader.number();
        if (!x)
            break;
        p.x = *x;
        const std::optional<double> D = reader.number();
        if (!D)
            break;
        p.D = *D;
        const std::optional<double> d = reader.number();
        if (!d)
            break;
        p.d = float(*d);
    }
    return reader.diagnostic();
}

} // namespace

ReaderDiagnostic ReadRotorModel(const QString& path, RotorModel& model)
{
    return readFile(readModel, path, model);
}

ReaderDiagnostic ReadRotorModelText(const QString& name, const QString& text, RotorModel& model)
{
    return readText(readModel, name, text, model);
}

bool ScaleRotorModel(const RotorModel& model, const ChartGeometry& g, bool bothHalves, ScaledRotor& out)
{
    const std::size_t n = std::size_t(model.N);
    out.cx.assign(n, 0.f);
    for (auto* half : { out.cyOuter, out.cyInner }) {
        half[0].assign(n, 0.f);
        half[1].assign(n, 0.f);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const ModelPoint& p = model.points[i];
        const float innerRadius = p.d / 2.0f;
        const double cx = g.OffsetX + g.ScaleX * p.x;
        const double outerUp = g.OffsetY - g.ScaleY * (p.D / 2);
        const double innerUp = g.OffsetY - g.ScaleY * innerRadius;
        if (!Single::fits(cx) || !Single::fits(outerUp) || !Single::fits(innerUp))
            return false;
        out.cx[i] = float(cx);
        out.cyOuter[0][i] = float(outerUp);
        out.cyInner[0][i] = float(innerUp);
        if (bothHalves) {
            const double outerDown = g.OffsetY + g.ScaleY * (p.D / 2);
            const double innerDown = g.OffsetY + g.ScaleY * innerRadius;
            if (!Single::fits(outerDown) || !Single::fits(innerDown))
                return false;
            out.cyOuter[1][i] = float(outerDown);
            out.cyInner[1][i] = float(innerDown);
        }
    }
    return true;
}

std::vector<PlotCurve> ContourCurves(const RotorModel& model, bool bothHalves)
{
    std::vector<PlotCurve> curves;
    for (int half = 0; half < (bothHalves ? 2 : 1); ++half) {
        const double sign = half == 1 ? -1 : 1;
        for (const bool outer : { true, false }) {
            const QString name = QLatin1String(half == 1 ? "lower " : "") + QLatin1String(outer ? "outer contour" : "inner contour");
            const auto point = [&model](qint64 i) -> const ModelPoint& { return model.points[std::size_t(i - 1)]; };
            curves.push_back(PlotCurve::sampled(name, qint64(model.points.size()), [&](qint64 i) { return point(i).x; },
                [&](qint64 i) { return sign * (outer ? point(i).D / 2 : double(point(i).d / 2.0f)); }));
        }
    }
    return curves;
}

} // namespace kavel
