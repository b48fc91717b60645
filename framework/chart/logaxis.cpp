#include "logaxis.h"

#include "framework/surface/drawingsurface.h"
#include "framework/surface/palette.h"

#include <cmath>
#include <numbers>

namespace kavel {

namespace {

constexpr double kLn10 = std::numbers::ln10;
// Lets a last decade that ends a little beyond the maximum still be labelled.
constexpr double kLastDecadeAllowance = 0.027;
constexpr double kTickLength = 0.5;

} // namespace

double LogAxis::usableMinimum(double min, double max)
{
    return min > 0 ? min : max / 1000;
}

std::optional<LogAxis> LogAxis::compute(double min, double max, double length)
{
    if (!(min > 0) || !(max > 0) || !std::isfinite(min) || !std::isfinite(max) || !std::isfinite(length))
        return std::nullopt;
    const double factor = length / std::log(max / min);
    if (!std::isfinite(factor))
        return std::nullopt;
    return LogAxis { min, max, factor };
}

double LogAxis::offset(double value) const
{
    return value < min ? 0.0 : factor * std::log(value / min);
}

std::vector<LogAxis::Decade> LogAxis::decades() const
{
    std::vector<Decade> out;
    const double start = std::log(min);
    const double stop = std::log(max) + kLastDecadeAllowance;
    const double D = factor * kLn10;
    // Counted rather than summed; a finite range has at most some 600 decades.
    for (int n = 0; start + n * kLn10 <= stop; ++n) {
        const double u = start + n * kLn10;
        double value = min * std::pow(10.0, n);
        if (!std::isfinite(value))
            value = std::exp(u);
        out.push_back({ n * D, value, u <= stop - kLn10 });
    }
    return out;
}

void DrawLogXAxis(DrawingSurface& s, const LogAxis& axis, double originX, double originY, double frameHeight)
{
    for (const LogAxis::Decade& d : axis.decades()) {
        const double cx = originX + d.offset;
        s.line(cx, originY, cx, originY - frameHeight, 0);
        s.printNumberAt(cx, originY + 0.2, d.value);
        if (!d.minorTicks)
            continue;
        for (int m = 2; m <= 9; ++m) {
            const double cm = cx + axis.factor * std::log(double(m));
            s.line(cm, originY, cm, originY - kTickLength);
        }
    }
}

void DrawLogYAxis(DrawingSurface& s, const LogAxis& axis, double originX, double originY, double frameWidth, double labelOffset)
{
    for (const LogAxis::Decade& d : axis.decades()) {
        const double cy = originY - d.offset;
        s.line(originX, cy, originX + frameWidth, cy, 0);
        s.printNumberAt(originX - labelOffset, cy - 0.3, d.value);
        if (!d.minorTicks)
            continue;
        for (int m = 2; m <= 9; ++m) {
            const double cm = cy - axis.factor * std::log(double(m));
            s.line(originX, cm, originX + kTickLength, cm);
        }
    }
}

} // namespace kavel
