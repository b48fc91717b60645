#include "plotarea.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace kavel {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Where the axis does its straight interpolation: the value, or its
// logarithm on a log axis (NaN for a value that has none).
double scaled(const DataAxis& axis, double value)
{
    if (!axis.logarithmic)
        return value;
    return value > 0 ? std::log(value) : kNaN;
}

} // namespace

DataAxis DataAxis::linear(const QString& name, double value0, double chart0, double value1, double chart1)
{
    DataAxis axis;
    axis.name = name;
    if (value1 < value0) {
        std::swap(value0, value1);
        std::swap(chart0, chart1);
    }
    axis.knots = { { value0, chart0 }, { value1, chart1 } };
    return axis;
}

DataAxis DataAxis::log(const QString& name, double value0, double chart0, double value1, double chart1)
{
    DataAxis axis = linear(name, value0, chart0, value1, chart1);
    axis.logarithmic = true;
    return axis;
}

QString DataAxis::nameOf(const QString& title, const char* fallback)
{
    const QString trimmed = title.trimmed();
    return trimmed.isEmpty() ? QString::fromUtf8(fallback) : trimmed;
}

DataAxis& DataAxis::zoomedBy(const double& minItem, const double& maxItem, const double* pitchItem)
{
    min = &minItem;
    max = &maxItem;
    pitch = pitchItem;
    return *this;
}

bool DataAxis::valid() const
{
    if (knots.size() < 2)
        return false;
    for (std::size_t i = 0; i < knots.size(); ++i) {
        const double v = scaled(*this, knots[i].value);
        if (!std::isfinite(v) || !std::isfinite(knots[i].chart))
            return false;
        if (i > 0 && !(v > scaled(*this, knots[i - 1].value)) )
            return false;
    }
    return knots.front().chart != knots.back().chart;
}

double DataAxis::toChart(double value) const
{
    if (!valid())
        return kNaN;
    const double v = scaled(*this, value);
    if (!std::isfinite(v))
        return kNaN;
    // The piece the value lies in, or the end piece it lies beyond.
    std::size_t i = 1;
    while (i + 1 < knots.size() && v > scaled(*this, knots[i].value))
        ++i;
    const double v0 = scaled(*this, knots[i - 1].value);
    const double v1 = scaled(*this, knots[i].value);
    return knots[i - 1].chart + (v - v0) * (knots[i].chart - knots[i - 1].chart) / (v1 - v0);
}

double DataAxis::toValue(double chart) const
{
    if (!valid() || !std::isfinite(chart))
        return kNaN;
    // The pieces run one way along the page: find the one holding `chart`.
    const bool rising = knots.back().chart > knots.front().chart;
    auto beyond = [&](double c) { return rising ? chart > c : chart < c; };
    std::size_t i = 1;
    while (i + 1 < knots.size() && beyond(knots[i].chart))
        ++i;
    const double c0 = knots[i - 1].chart;
    const double c1 = knots[i].chart;
    if (c0 == c1)
        return kNaN;
    const double v0 = scaled(*this, knots[i - 1].value);
    const double v1 = scaled(*this, knots[i].value);
    const double v = v0 + (chart - c0) * (v1 - v0) / (c1 - c0);
    return logarithmic ? std::exp(v) : v;
}

const DataAxis& PlotArea::axisOf(const PlotCurve& curve) const
{
    static const DataAxis none;
    if (curve.axis < 0 || std::size_t(curve.axis) >= y.size())
        return none;
    return y[std::size_t(curve.axis)];
}

QPointF PlotArea::chartPoint(const PlotCurve& curve, std::size_t i) const
{
    if (i >= curve.x.size() || i >= curve.y.size())
        return QPointF(kNaN, kNaN);
    const double vx = curve.x[i];
    const double vy = curve.y[i];
    switch (kind) {
    case Kind::Plane:
        return QPointF(x.toChart(vx), axisOf(curve).toChart(vy));
    case Kind::Polar: {
        const double theta = vy * std::numbers::pi / 180;
        const double r = vx * radiusScale;
        return QPointF(centre.x() + r * std::cos(theta), centre.y() + r * std::sin(theta));
    }
    case Kind::Sketch:
        break;
    }
    return QPointF(kNaN, kNaN);
}

QPointF PlotArea::valueAt(const QPointF& chart) const
{
    switch (kind) {
    case Kind::Plane:
        return QPointF(x.toValue(chart.x()), y.empty() ? kNaN : y.front().toValue(chart.y()));
    case Kind::Polar: {
        if (!(radiusScale > 0))
            return QPointF(kNaN, kNaN);
        const QPointF d = chart - centre;
        // Lags, as the grid's spokes are labelled: 0 to the right, -90 above.
        double phase = std::atan2(d.y(), d.x()) * 180 / std::numbers::pi;
        if (phase > 0)
            phase -= 360;
        return QPointF(std::hypot(d.x(), d.y()) / radiusScale, phase);
    }
    case Kind::Sketch:
        break;
    }
    return QPointF(kNaN, kNaN);
}

} // namespace kavel
