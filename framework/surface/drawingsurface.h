#pragma once

#include "plotarea.h"
#include "surfaceops.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

namespace kavel {

// Which handler a chart is drawn for: the picture area ("3:Plot") or the
// printer page ("4:Print"). The two differ in fonts, line widths and a few
// positions; the chart code asks the surface which it is.
enum class SurfaceKind { Screen, Printer };

// Line widths and the heights of rotated fonts count device units, as the
// platform's pen and font calls take them. On the screen a unit is a pixel of
// 96 per inch. On the printer it is one dot of a 600 dpi page printer, for
// line widths and font heights alike and on every output of a printed page
// (the printer, PDF, SVG, PNG): line width 3 is 0.13 mm, 20 is 0.85 mm, and a
// rotated font of height 120 is 5.1 mm. The charts' printer numbers were
// chosen for such a printer: Lendrix prints its Y title at 120 where the
// screen has 15 pixels (4 mm); counted in screen pixels it would be 3.2 cm
// tall, over the tick labels and off the page.
constexpr double deviceUnitsPerInch(SurfaceKind kind)
{
    return kind == SurfaceKind::Printer ? 600 : 96;
}

// The height of a rotated font of `height` device units as drawn: never
// smaller than the charts' 8-point labels, since a height chosen in screen
// pixels (SAVLEN's 20, HOLPIX's 15) would be a 2-point speck on paper.
constexpr double rotatedFontUnits(SurfaceKind kind, int height)
{
    const double labels = 8.0 / 72 * deviceUnitsPerInch(kind);
    return height > labels ? height : labels;
}

// The one set of operations every chart is drawn with, on the screen and on
// paper alike. Coordinates are chart centimetres: x right, y down, origin at
// the top-left. The state every surface shares (current position, line
// width, fonts) lives here; a backend only turns finished operations into
// pixels, records or pages (paint()).
class DrawingSurface {
public:
    explicit DrawingSurface(SurfaceKind kind);
    virtual ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    SurfaceKind kind() const { return m_kind; }
    bool isPrinter() const { return m_kind == SurfaceKind::Printer; }

    // Erases the area and moves the current position to (0, 0).
    void clear();
    // A line in the given palette colour, else the foreground colour (black),
    // with the current line width; the current position moves to (x2, y2).
    void line(double x1, double y1, double x2, double y2, std::optional<int> colour = std::nullopt);
    // A step of a sampled curve: the line where its four coordinates are
    // finite, else nothing (a sample with no point breaks the curve).
    void segment(double x1, double y1, double x2, double y2, std::optional<int> colour);
    // A dot of the current line width; the current position moves there, so
    // the next printed text starts at it.
    void point(double x, double y, std::optional<int> colour = std::nullopt);
    void circle(double x, double y, double radius, int colour);

    // Draws the text with its top-left corner (or, anchored top-right, its
    // top-right corner) at the current position, then moves to the start of
    // the next line (x back to 0, y down one line).
    void print(const QString& text, TextAnchor anchor = TextAnchor::TopLeft);
    // Prints a number in the number text (" 0 ", "-100 ").
    void printNumber(double value, TextAnchor anchor = TextAnchor::TopLeft);
    // The charts' label idiom: a dot in `colour` (the labels' light grey)
    // where the text is to start, then the text.
    // No colour: the dot in the foreground colour, as a page without a
    // palette colour draws it.
    void printAt(double x, double y, const QString& text, std::optional<int> colour = Palette::kLightGrey);
    void printNumberAt(double x, double y, double value, std::optional<int> colour = Palette::kLightGrey);

    void setFontName(const QString& face);
    void setFontSize(double points);
    // Both at once, as a chart names its fonts.
    void setFont(const QString& face, double points);
    // In device units (deviceUnitsPerInch).
    void setLineWidth(int pixels);
    int lineWidth() const { return m_lineWidth; }

    // The platform font path for the rotated Y titles: a font of `height`
    // device units whose text runs upward (escapement 900), selected until the
    // surface's own font is set or reset again.
    void selectRotatedFont(const QString& face, int height);
    void resetOwnFont();

    // Finishes the page: recorded, and on a printer the page is sent.
    void endDocument();

    // What follows shows only inside `rect` (chart centimetres), until
    // unclip(): a chart's curves kept within its frame. FrameClip does both.
    void clip(const QRectF& rect);
    void unclip();

    // What the chart tells about a plot area it draws: kept beside the
    // drawing (no operation of its own), until the next clear().
    void describe(PlotArea area);
    const std::vector<PlotArea>& areas() const { return m_areas; }

    QPointF currentPosition() const { return m_position; }
    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }

protected:
    virtual void paint(const SurfaceOp& op) = 0;

private:
    // The height of one printed line in chart centimetres.
    double lineHeight() const;

    SurfaceKind m_kind;
    QPointF m_position;
    int m_lineWidth = 1;
    QString m_fontName;
    double m_fontSize = 8;
    std::optional<std::pair<QString, int>> m_rotatedFont;
    std::vector<PlotArea> m_areas;
};

// Clips to a frame for as long as it lives, so that a drawing that stops
// early (an overflow, a bad index) still ends the clip before the comment.
class FrameClip {
public:
    FrameClip(DrawingSurface& surface, const QRectF& frame)
        : m_surface(surface)
    {
        m_surface.clip(frame);
    }
    ~FrameClip() { m_surface.unclip(); }
    FrameClip(const FrameClip&) = delete;
    FrameClip& operator=(const FrameClip&) = delete;

private:
    DrawingSurface& m_surface;
};

} // namespace kavel
