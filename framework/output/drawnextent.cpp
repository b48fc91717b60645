#include "drawnextent.h"

#include "clipregion.h"

#include <algorithm>
#include <cmath>

namespace kavel {

namespace {

constexpr double kCentimetresPerPoint = 2.54 / 72.0;

// Character widths in ems: wide (CJK) characters take a whole em, the rest
// a little over half of one, which holds for the serif faces of the charts.
double widthInEms(const QString& text)
{
    double ems = 0;
    for (const QChar c : text)
        ems += c.unicode() >= 0x2E80 ? 1.0 : 0.55;
    return ems;
}

class Extent {
public:
    void add(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e5 || std::fabs(y) > 1e5)
            return;
        m_left = m_any ? std::min(m_left, x) : x;
        m_right = m_any ? std::max(m_right, x) : x;
        m_top = m_any ? std::min(m_top, y) : y;
        m_bottom = m_any ? std::max(m_bottom, y) : y;
        m_any = true;
    }

    std::optional<QRectF> rect() const
    {
        if (!m_any)
            return std::nullopt;
        return QRectF(QPointF(m_left, m_top), QPointF(m_right, m_bottom));
    }

private:
    double m_left = 0;
    double m_right = 0;
    double m_top = 0;
    double m_bottom = 0;
    bool m_any = false;
};

// A point, circle or text is shown whole or not at all, by its point.
bool anchorShown(const SurfaceOp& op, const ClipRegion& clip)
{
    return std::visit([&](const auto& o) {
        if constexpr (requires { o.x; o.y; })
            return clip.contains(QPointF(double(o.x), double(o.y)));
        else
            return true;
    }, op);
}

} // namespace

std::optional<QRectF> DrawnExtent(const OpList& ops, SurfaceKind kind)
{
    Extent extent;
    ClipRegion clip;
    for (const SurfaceOp& op : ops) {
        if (clip.follow(op))
            continue;
        if (const auto* l = std::get_if<Op::Line>(&op)) {
            if (const std::optional<QLineF> shown = clip.line(QLineF(double(l->x1), double(l->y1), double(l->x2), double(l->y2)))) {
                extent.add(shown->x1(), shown->y1());
                extent.add(shown->x2(), shown->y2());
            }
            continue;
        }
        if (!anchorShown(op, clip))
            continue;
        if (const auto* p = std::get_if<Op::Point>(&op)) {
            extent.add(p->x, p->y);
        } else if (const auto* c = std::get_if<Op::Circle>(&op)) {
            const double r = std::fabs(double(c->r));
            extent.add(c->x - r, c->y - r);
            extent.add(c->x + r, c->y + r);
        } else if (const auto* t = std::get_if<Op::Text>(&op)) {
            if (t->text.isEmpty())
                continue;
            // An upright text runs right from its top-left corner (left from
            // a top-right one); a rotated one runs upward (downward), its line
            // height to the right of the point.
            const double em = t->angle == 0 ? t->size * kCentimetresPerPoint : rotatedFontUnits(kind, t->height) / deviceUnitsPerInch(kind) * 2.54;
            const double length = widthInEms(t->text) * em;
            const double depth = em * 1.15;
            if (!std::isfinite(length) || !std::isfinite(depth))
                continue;
            const double run = t->anchor == TextAnchor::TopRight ? -length : length;
            extent.add(t->x, t->y);
            if (t->angle == 0)
                extent.add(t->x + run, t->y + depth);
            else
                extent.add(t->x + depth, t->y - run);
        }
    }
    return extent.rect();
}

} // namespace kavel
