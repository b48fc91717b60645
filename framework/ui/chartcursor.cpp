#include "chartcursor.h"

#include "framework/reading/numbertext.h"

#include <QStringList>
#include <cmath>
#include <limits>

namespace kavel {

namespace {

bool finite(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

const PlotArea* areaAt(const std::vector<PlotArea>& areas, const QPointF& chart)
{
    for (const PlotArea& area : areas) {
        if (area.frame && area.frame->contains(chart))
            return &area;
    }
    for (const PlotArea& area : areas) {
        if (!area.frame)
            return &area;
    }
    return nullptr;
}

// The drawn value of a curve over x at the cursor's x: where a segment of it
// spans that x, its height there; of several such, the one nearest the
// cursor. Nullopt where none spans it.
struct CurveHit {
    double distance = std::numeric_limits<double>::infinity();
    double chartY = 0;
};

std::optional<CurveHit> hitOverX(const PlotArea& area, const PlotCurve& curve, const QPointF& chart)
{
    std::optional<CurveHit> best;
    QPointF last = area.chartPoint(curve, 0);
    for (std::size_t i = 1; i < curve.x.size(); ++i) {
        const QPointF next = area.chartPoint(curve, i);
        if (finite(last) && finite(next)) {
            const double left = std::min(last.x(), next.x());
            const double right = std::max(last.x(), next.x());
            if (chart.x() >= left && chart.x() <= right) {
                // A vertical step reads its end nearest the cursor.
                double y = next.y();
                if (right > left)
                    y = last.y() + (chart.x() - last.x()) * (next.y() - last.y()) / (next.x() - last.x());
                else
                    y = std::clamp(chart.y(), std::min(last.y(), next.y()), std::max(last.y(), next.y()));
                const double distance = std::fabs(y - chart.y());
                if (!best || distance < best->distance)
                    best = CurveHit { distance, y };
            }
        }
        last = next;
    }
    return best;
}

// The point of a path nearest the cursor.
std::optional<std::pair<double, std::size_t>> nearestPoint(const PlotArea& area, const PlotCurve& curve, const QPointF& chart)
{
    std::optional<std::pair<double, std::size_t>> best;
    for (std::size_t i = 0; i < curve.x.size(); ++i) {
        const QPointF p = area.chartPoint(curve, i);
        if (!finite(p))
            continue;
        const double distance = std::hypot(p.x() - chart.x(), p.y() - chart.y());
        if (!best || distance < best->first)
            best = std::make_pair(distance, i);
    }
    return best;
}

void readPlane(const PlotArea& area, const QPointF& chart, CursorReading& out)
{
    const QPointF value = area.valueAt(chart);
    if (std::isfinite(value.x()))
        out.values.push_back({ area.x.name, value.x() });
    for (const DataAxis& axis : area.y) {
        const double v = axis.toValue(chart.y());
        if (std::isfinite(v))
            out.values.push_back({ axis.name, v });
    }
}

void readPolar(const PlotArea& area, const QPointF& chart, CursorReading& out)
{
    const QPointF value = area.valueAt(chart);
    if (!finite(value))
        return;
    out.values.push_back({ area.x.name, value.x() });
    out.values.push_back({ area.y.empty() ? QString() : area.y.front().name, value.y() });
}

void nearestCurve(const PlotArea& area, const QPointF& chart, CursorReading& out)
{
    double best = std::numeric_limits<double>::infinity();
    for (const PlotCurve& curve : area.curves) {
        if (curve.t.empty() && area.kind == PlotArea::Kind::Plane) {
            const std::optional<CurveHit> hit = hitOverX(area, curve, chart);
            if (!hit || !(hit->distance < best))
                continue;
            best = hit->distance;
            const DataAxis& axis = area.axisOf(curve);
            out.nearest = curve.name;
            out.nearestValues = { { axis.name, axis.toValue(hit->chartY) } };
            continue;
        }
        const auto point = nearestPoint(area, curve, chart);
        if (!point || !(point->first < best))
            continue;
        best = point->first;
        const std::size_t i = point->second;
        out.nearest = curve.name;
        out.nearestValues.clear();
        if (i < curve.t.size())
            out.nearestValues.push_back({ area.parameter, curve.t[i] });
        out.nearestValues.push_back({ area.x.name, curve.x[i] });
        out.nearestValues.push_back({ area.axisOf(curve).name, curve.y[i] });
    }
}

void nearestMarker(const PlotArea& area, const QPointF& chart, CursorReading& out)
{
    double best = std::numeric_limits<double>::infinity();
    for (const PlotMarker& marker : area.markers) {
        const double distance = std::hypot(marker.chart.x() - chart.x(), marker.chart.y() - chart.y());
        if (distance < best) {
            best = distance;
            out.nearest = marker.label;
        }
    }
}

QString joined(const std::vector<ReadValue>& values)
{
    QStringList parts;
    for (const ReadValue& v : values)
        parts << QStringLiteral("%1 %2").arg(v.name, readoutNumber(v.value));
    return parts.join(QStringLiteral("   "));
}

} // namespace

QString readoutNumber(double value)
{
    return NumberText::general(value, 5);
}

QString CursorReading::text() const
{
    QString line = joined(values);
    if (!nearest.isEmpty()) {
        QString curve = nearest;
        if (!nearestValues.empty())
            curve += QStringLiteral(": ") + joined(nearestValues);
        line += (line.isEmpty() ? QString() : QStringLiteral("   \u00b7   ")) + curve;
    }
    return line;
}

std::optional<CursorReading> ReadCursor(const std::vector<PlotArea>& areas, const QPointF& chart)
{
    const PlotArea* area = areaAt(areas, chart);
    if (!area)
        return std::nullopt;
    CursorReading reading;
    switch (area->kind) {
    case PlotArea::Kind::Plane:
        readPlane(*area, chart, reading);
        nearestCurve(*area, chart, reading);
        break;
    case PlotArea::Kind::Polar:
        readPolar(*area, chart, reading);
        nearestCurve(*area, chart, reading);
        break;
    case PlotArea::Kind::Sketch:
        nearestMarker(*area, chart, reading);
        break;
    }
    return reading;
}

} // namespace kavel
