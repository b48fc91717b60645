#include "drawingsurface.h"

#include "framework/reading/numbertext.h"

#include <cmath>

namespace kavel {

namespace {

constexpr double kCentimetresPerPoint = 2.54 / 72.0;
// A printed line is a little taller than the font's size.
constexpr double kLineSpacing = 1.15;

constexpr Rgb kForeground { 0, 0, 0 };

Rgb colourOf(std::optional<int> index)
{
    return index ? Palette::colour(*index) : kForeground;
}

} // namespace

DrawingSurface::DrawingSurface(SurfaceKind kind)
    : m_kind(kind)
    , m_fontName(QStringLiteral("System"))
{
}

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::clear()
{
    m_position = {};
    m_areas.clear();
    paint(Op::Clear {});
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, std::optional<int> colour)
{
    paint(Op::Line { float(x1), float(y1), float(x2), float(y2), colourOf(colour), m_lineWidth });
    m_position = QPointF(float(x2), float(y2));
}

void DrawingSurface::segment(double x1, double y1, double x2, double y2, std::optional<int> colour)
{
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
        line(x1, y1, x2, y2, colour);
}

void DrawingSurface::point(double x, double y, std::optional<int> colour)
{
    paint(Op::Point { float(x), float(y), colourOf(colour), m_lineWidth });
    m_position = QPointF(float(x), float(y));
}

void DrawingSurface::circle(double x, double y, double radius, int colour)
{
    paint(Op::Circle { float(x), float(y), float(radius), Palette::colour(colour), m_lineWidth });
}

void DrawingSurface::print(const QString& text, TextAnchor anchor)
{
    Op::Text op { float(m_position.x()), float(m_position.y()), text, m_fontName, m_fontSize, 0, 0, kForeground, anchor };
    if (m_rotatedFont) {
        op.font = m_rotatedFont->first;
        op.size = 0;
        op.angle = 90;
        op.height = m_rotatedFont->second;
    }
    paint(op);
    m_position = QPointF(0, float(m_position.y() + lineHeight()));
}

void DrawingSurface::printNumber(double value, TextAnchor anchor)
{
    print(NumberText::printed(value), anchor);
}

void DrawingSurface::printAt(double x, double y, const QString& text, std::optional<int> colour)
{
    point(x, y, colour);
    print(text);
}

void DrawingSurface::printNumberAt(double x, double y, double value, std::optional<int> colour)
{
    point(x, y, colour);
    printNumber(value);
}

void DrawingSurface::setFont(const QString& face, double points)
{
    setFontName(face);
    setFontSize(points);
}

void DrawingSurface::setFontName(const QString& face)
{
    m_fontName = face;
    m_rotatedFont.reset();
}

void DrawingSurface::setFontSize(double points)
{
    m_fontSize = points;
    m_rotatedFont.reset();
}

void DrawingSurface::setLineWidth(int pixels)
{
    m_lineWidth = pixels;
}

void DrawingSurface::selectRotatedFont(const QString& face, int height)
{
    m_rotatedFont = std::make_pair(face, height);
}

void DrawingSurface::resetOwnFont()
{
    m_rotatedFont.reset();
}

void DrawingSurface::endDocument()
{
    paint(Op::EndDocument {});
}

void DrawingSurface::clip(const QRectF& rect)
{
    const QRectF r = rect.normalized();
    paint(Op::Clip { float(r.x()), float(r.y()), float(r.width()), float(r.height()) });
}

void DrawingSurface::unclip()
{
    paint(Op::Unclip {});
}

void DrawingSurface::describe(PlotArea area)
{
    m_areas.push_back(std::move(area));
}

double DrawingSurface::lineHeight() const
{
    if (m_rotatedFont)
        return rotatedFontUnits(m_kind, m_rotatedFont->second) / deviceUnitsPerInch(m_kind) * 2.54 * kLineSpacing;
    return m_fontSize * kCentimetresPerPoint * kLineSpacing;
}

} // namespace kavel
