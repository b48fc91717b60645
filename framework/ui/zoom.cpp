#include "zoom.h"

#include "framework/settings/chartsettings.h"

#include <QString>
#include <algorithm>
#include <cmath>

namespace kavel {

namespace {

const PlotArea* framedAreaAt(const std::vector<PlotArea>& areas, const QPointF& chart)
{
    for (const PlotArea& area : areas) {
        if (area.kind == PlotArea::Kind::Plane && area.frame && area.frame->contains(chart))
            return &area;
    }
    return nullptr;
}

// A range end in as few decimals as the pitch allows: what the settings
// file and the editing dialog then show reads like a number a user typed.
double tidy(double value, double pitch)
{
    if (!(pitch > 0) || !std::isfinite(value))
        return value;
    const int decimals = std::clamp(int(-std::floor(std::log10(pitch / 100))), 0, 15);
    return QString::number(value, 'f', decimals).toDouble();
}

// Four significant digits, for an axis without a pitch (a log axis).
double tidy(double value)
{
    return std::isfinite(value) && value != 0 ? QString::number(value, 'g', 4).toDouble() : value;
}

} // namespace

double ChartZoom::nicePitch(double range, double ticks)
{
    const double raw = std::fabs(range) / std::max(ticks, 1.0);
    if (!(raw > 0) || !std::isfinite(raw))
        return 0;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double best = decade;
    for (double step : { 1.0, 2.0, 5.0, 10.0 }) {
        if (std::fabs(std::log(step * decade / raw)) < std::fabs(std::log(best / raw)))
            best = step * decade;
    }
    return best;
}

double* ChartZoom::writable(const double* item, const SettingsLayout& layout)
{
    if (!item)
        return nullptr;
    for (const SettingsLayout::Line& line : layout.lines()) {
        for (const SettingsLayout::NumberItem& number : line.numbers) {
            if (const auto* d = std::get_if<double*>(&number); d && *d == item)
                return *d;
        }
    }
    return nullptr;
}

void ChartZoom::set(double* item, double value)
{
    const bool saved = std::any_of(m_saved.begin(), m_saved.end(), [&](const auto& s) { return s.first == item; });
    if (!saved)
        m_saved.emplace_back(item, *item);
    *item = value;
}

bool ChartZoom::setRange(const DataAxis& axis, double a, double b, const SettingsLayout& layout)
{
    double* min = writable(axis.min, layout);
    double* max = writable(axis.max, layout);
    double* pitch = writable(axis.pitch, layout);
    if (!min || !max || !axis.valid())
        return false;
    double low = std::min(a, b);
    double high = std::max(a, b);
    if (!std::isfinite(low) || !std::isfinite(high) || !(high - low > 1e-9 * std::max(std::fabs(low), std::fabs(high))))
        return false;
    if (axis.logarithmic && !(low > 0))
        return false;
    if (axis.negated) {
        std::tie(low, high) = std::make_pair(-high, -low);
    }

    double newPitch = 0;
    if (pitch) {
        const double ticks = *pitch != 0 && std::isfinite(*pitch) ? std::fabs((*max - *min) / *pitch) : 5.0;
        newPitch = nicePitch(high - low, std::clamp(std::isfinite(ticks) ? ticks : 5.0, 2.0, 20.0));
        if (!(newPitch > 0))
            return false;
        low = tidy(low, newPitch);
        high = tidy(high, newPitch);
    } else {
        low = tidy(low);
        high = tidy(high);
    }
    if (!(high > low))
        return false;
    set(min, low);
    set(max, high);
    if (pitch)
        set(pitch, std::copysign(newPitch, *pitch < 0 ? -1.0 : 1.0));
    return true;
}

bool ChartZoom::zoomTo(const std::vector<PlotArea>& areas, const QRectF& rect, const SettingsLayout& layout)
{
    const PlotArea* area = framedAreaAt(areas, rect.center());
    if (!area)
        return false;
    bool changed = false;
    if (area->x.zoomable())
        changed |= setRange(area->x, area->x.toValue(rect.left()), area->x.toValue(rect.right()), layout);
    for (const DataAxis& y : area->y) {
        if (y.zoomable())
            changed |= setRange(y, y.toValue(rect.top()), y.toValue(rect.bottom()), layout);
    }
    return changed;
}

bool ChartZoom::zoomAbout(const std::vector<PlotArea>& areas, const QPointF& chart, double factor, const SettingsLayout& layout)
{
    const PlotArea* area = framedAreaAt(areas, chart);
    if (!area || !(factor > 0) || !std::isfinite(factor))
        return false;
    const QRectF f = *area->frame;
    const QRectF view(QPointF(chart.x() - (chart.x() - f.left()) * factor, chart.y() - (chart.y() - f.top()) * factor),
        QPointF(chart.x() + (f.right() - chart.x()) * factor, chart.y() + (f.bottom() - chart.y()) * factor));
    bool changed = false;
    if (area->x.zoomable())
        changed |= setRange(area->x, area->x.toValue(view.left()), area->x.toValue(view.right()), layout);
    for (const DataAxis& y : area->y) {
        if (y.zoomable())
            changed |= setRange(y, y.toValue(view.top()), y.toValue(view.bottom()), layout);
    }
    return changed;
}

bool ChartZoom::restore()
{
    if (m_saved.empty())
        return false;
    for (const auto& [item, value] : m_saved)
        *item = value;
    m_saved.clear();
    return true;
}

} // namespace kavel
