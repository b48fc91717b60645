#include "painterrenderer.h"

#include "fontmap.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <bit>
#include <cmath>

namespace kavel {

namespace {

constexpr std::size_t kLineBatch = 1024;

quint64 positionKey(const QPointF& chart)
{
    return quint64(std::bit_cast<quint32>(float(chart.x()))) << 32 | std::bit_cast<quint32>(float(chart.y()));
}

QPen chartPen(const Rgb& c, double widthPixels)
{
    QPen pen(QColor(c.r, c.g, c.b));
    pen.setWidthF(widthPixels);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

} // namespace

DeviceMapping DeviceMapping::page(double dpi, SurfaceKind kind)
{
    DeviceMapping mapping;
    mapping.kind = kind;
    mapping.pixelsPerCm = dpi / 2.54;
    mapping.fontDpi = dpi;
    mapping.unitPixels = dpi / deviceUnitsPerInch(kind);
    return mapping;
}

DeviceMapping DeviceMapping::page(double dpi, SurfaceKind kind, const QSizeF& pageCm, const QRectF& drawn)
{
    double shrink = 1;
    if (drawn.right() > pageCm.width() && pageCm.width() > 0)
        shrink = std::min(shrink, pageCm.width() / drawn.right());
    if (drawn.bottom() > pageCm.height() && pageCm.height() > 0)
        shrink = std::min(shrink, pageCm.height() / drawn.bottom());
    if (!(shrink > 0) || shrink >= 1)
        return page(dpi, kind);
    return page(dpi * shrink, kind);
}

DeviceMapping DeviceMapping::fitted(const QRectF& area, double screenDpi, const QRectF& region, SurfaceKind kind)
{
    DeviceMapping mapping;
    mapping.kind = kind;
    const QRectF r = region.isValid() ? region : kChartRegion;
    const double scale = std::min(area.width() / r.width(), area.height() / r.height());
    mapping.pixelsPerCm = std::max(scale, 1e-3);
    mapping.origin = QPointF(area.left() + (area.width() - r.width() * mapping.pixelsPerCm) / 2 - r.left() * mapping.pixelsPerCm,
        area.top() + (area.height() - r.height() * mapping.pixelsPerCm) / 2 - r.top() * mapping.pixelsPerCm);
    if (kind == SurfaceKind::Printer) {
        mapping.fontDpi = mapping.pixelsPerCm * 2.54;
        mapping.unitPixels = mapping.fontDpi / deviceUnitsPerInch(kind);
    } else {
        mapping.fontDpi = screenDpi;
        mapping.unitPixels = 1;
    }
    return mapping;
}

double DeviceMapping::rotatedFontPixels(int height) const
{
    return rotatedFontUnits(kind, height) * unitPixels;
}

double DeviceMapping::lineWidthPixels(int width) const
{
    return std::max(std::max(1, width) * unitPixels, thinnestLine);
}

QFont DeviceMapping::textFont(const Op::Text& text) const
{
    const double pixelSize = text.angle == 0 ? text.size * fontDpi / 72.0 : rotatedFontPixels(text.height);
    return FontMap::font(text.font, pixelSize * textScale);
}

QRectF DeviceMapping::textBox(const Op::Text& text) const
{
    const QFontMetricsF metrics(textFont(text));
    const QRectF upright(0, 0, metrics.horizontalAdvance(text.text), metrics.ascent() + metrics.descent());
    QTransform placement;
    placement.translate(origin.x() + double(text.x) * pixelsPerCm, origin.y() + double(text.y) * pixelsPerCm);
    placement.rotate(-text.angle);
    return placement.mapRect(upright);
}

QRectF shownRegion(const std::optional<QRectF>& drawn)
{
    return drawn && !drawn->isNull() ? kChartRegion.united(*drawn) : kChartRegion;
}

PainterRenderer::PainterRenderer(QPainter& painter, const DeviceMapping& mapping, bool polylines, bool wholeUnitLines)
    : m_painter(painter)
    , m_mapping(mapping)
    , m_polylines(polylines)
    , m_wholeUnitLines(wholeUnitLines)
{
}

QPointF PainterRenderer::map(float x, float y) const
{
    return map(QPointF(double(x), double(y)));
}

QPointF PainterRenderer::map(const QPointF& chart) const
{
    return m_mapping.origin + chart * m_mapping.pixelsPerCm;
}

QPointF PainterRenderer::mapLineEnd(const QPointF& chart) const
{
    const QPointF p = map(chart);
    return m_wholeUnitLines ? QPointF(std::round(p.x()), std::round(p.y())) : p;
}

PainterRenderer::~PainterRenderer()
{
    flush();
}

void PainterRenderer::paint(const OpList& ops)
{
    for (const SurfaceOp& op : ops)
        paint(op);
    flush();
}

void PainterRenderer::flush()
{
    if (!m_runs.empty()) {
        QPen pen = chartPen(m_linesRgb, m_mapping.lineWidthPixels(m_linesWidth));
        // Round joins cover what the round caps of separate lines covered.
        pen.setJoinStyle(Qt::RoundJoin);
        m_painter.setPen(pen);
        for (const std::vector<QPointF>& run : m_runs)
            m_painter.drawPolyline(run.data(), int(run.size()));
        m_runs.clear();
        m_runEnds.clear();
    }
    if (m_lines.empty())
        return;
    m_painter.setPen(chartPen(m_linesRgb, m_mapping.lineWidthPixels(m_linesWidth)));
    m_painter.drawLines(m_lines.data(), int(m_lines.size()));
    m_lines.clear();
}

void PainterRenderer::paint(const SurfaceOp& op)
{
    QPainter& p = m_painter;
    auto pen = [&](const Rgb& c, int width) { return chartPen(c, m_mapping.lineWidthPixels(width)); };
    // Coordinates far outside any page (a range of 1e30 in a settings file)
    // are left out rather than handed to the raster engine.
    auto sane = [](float v) { return std::isfinite(v) && std::fabs(v) < 1e6f; };

    if (const auto* l = std::get_if<Op::Line>(&op)) {
        if (!sane(l->x1) || !sane(l->y1) || !sane(l->x2) || !sane(l->y2))
            return;
        const std::optional<QLineF> shown = m_clip.line(QLineF(double(l->x1), double(l->y1), double(l->x2), double(l->y2)));
        if (!shown)
            return;
        const bool samePen = l->rgb == m_linesRgb && l->width == m_linesWidth;
        if (m_polylines) {
            // Lines of one pen cover the same pixels in any order; a line
            // that starts where a run of its pen ends extends that run.
            if (!samePen)
                flush();
            m_linesRgb = l->rgb;
            m_linesWidth = l->width;
            const auto end = m_runEnds.find(positionKey(shown->p1()));
            std::size_t run = m_runs.size();
            if (end != m_runEnds.end()) {
                run = end->second;
                m_runEnds.erase(end);
                m_runs[run].push_back(mapLineEnd(shown->p2()));
            } else {
                m_runs.push_back({ mapLineEnd(shown->p1()), mapLineEnd(shown->p2()) });
            }
            m_runEnds[positionKey(shown->p2())] = run;
            return;
        }
        // A batch of a few thousand lines stays in the cache.
        if (!m_lines.empty() && (!samePen || m_lines.size() >= kLineBatch))
            flush();
        m_linesRgb = l->rgb;
        m_linesWidth = l->width;
        m_lines.emplace_back(mapLineEnd(shown->p1()), mapLineEnd(shown->p2()));
        return;
    }
    // A clip changes what the next operations show, not what is batched.
    if (m_clip.follow(op))
        return;
    // Everything else keeps its place after the lines before it.
    flush();
    if (std::holds_alternative<Op::Clear>(op)) {
        m_clip.follow(Op::Unclip {});
        p.save();
        p.resetTransform();
        p.fillRect(QRect(QPoint(0, 0), p.device() ? QSize(p.device()->width(), p.device()->height()) : QSize()), Qt::white);
        p.restore();
    } else if (const auto* pt = std::get_if<Op::Point>(&op)) {
        if (!sane(pt->x) || !sane(pt->y) || !m_clip.contains(QPointF(double(pt->x), double(pt->y))))
            return;
        p.setPen(pen(pt->rgb, pt->width));
        p.drawPoint(map(pt->x, pt->y));
    } else if (const auto* c = std::get_if<Op::Circle>(&op)) {
        if (!sane(c->x) || !sane(c->y) || !sane(c->r) || !m_clip.contains(QPointF(double(c->x), double(c->y))))
            return;
        p.setPen(pen(c->rgb, c->width));
        p.setBrush(Qt::NoBrush);
        const double r = std::fabs(double(c->r)) * m_mapping.pixelsPerCm;
        p.drawEllipse(map(c->x, c->y), r, r);
    } else if (const auto* t = std::get_if<Op::Text>(&op)) {
        if (!sane(t->x) || !sane(t->y) || t->text.isEmpty() || !m_clip.contains(QPointF(double(t->x), double(t->y))))
            return;
        const QFont font = m_mapping.textFont(*t);
        p.setFont(font);
        p.setPen(QColor(t->rgb.r, t->rgb.g, t->rgb.b));
        const QFontMetricsF metrics(font, p.device());
        p.save();
        p.translate(map(t->x, t->y));
        if (t->angle != 0)
            p.rotate(-t->angle);
        // The position is the text's top-left corner, or its top-right one:
        // measured in the font this device draws, the text ends there.
        const double left = t->anchor == TextAnchor::TopRight ? -metrics.horizontalAdvance(t->text) : 0;
        p.drawText(QPointF(left, metrics.ascent()), t->text);
        p.restore();
    }
    // EndDocument: the device's owner finishes the page.
}

} // namespace kavel
