#include "clipregion.h"

#include <cmath>

namespace kavel {

bool ClipRegion::follow(const SurfaceOp& op)
{
    if (const auto* c = std::get_if<Op::Clip>(&op)) {
        m_rect = QRectF(double(c->x), double(c->y), double(c->w), double(c->h));
        return true;
    }
    if (std::holds_alternative<Op::Unclip>(op)) {
        m_rect.reset();
        return true;
    }
    return false;
}

bool ClipRegion::contains(const QPointF& p) const
{
    if (!m_rect)
        return true;
    return p.x() >= m_rect->left() && p.x() <= m_rect->right() && p.y() >= m_rect->top() && p.y() <= m_rect->bottom();
}

// Liang and Barsky: the line as p1 + t (p2 - p1), t in 0..1, narrowed by
// each of the four edges in turn.
std::optional<QLineF> ClipRegion::line(const QLineF& line) const
{
    if (!m_rect)
        return line;
    const double dx = line.dx();
    const double dy = line.dy();
    double t0 = 0;
    double t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    const QRectF& r = *m_rect;
    if (!edge(-dx, line.x1() - r.left()) || !edge(dx, r.right() - line.x1()) || !edge(-dy, line.y1() - r.top())
        || !edge(dy, r.bottom() - line.y1()))
        return std::nullopt;
    if (!(t0 <= t1))
        return std::nullopt;
    // Ends inside stay exactly as given, so the lines of a curve still meet.
    return QLineF(t0 == 0 ? line.p1() : line.pointAt(t0), t1 == 1 ? line.p2() : line.pointAt(t1));
}

} // namespace kavel
