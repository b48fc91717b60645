#pragma once

#include "clipregion.h"

#include "framework/surface/drawingsurface.h"
#include "framework/surface/surfaceops.h"

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>
#include <unordered_map>
#include <vector>

class QPainter;

namespace kavel {

// How chart centimetres land on a paint device.
struct DeviceMapping {
    SurfaceKind kind = SurfaceKind::Screen; // the surface the chart was drawn for
    double pixelsPerCm = 96 / 2.54;  // chart scale
    QPointF origin;                  // device position of chart (0, 0)
    double fontDpi = 96;             // device pixels per inch of a point size
    double unitPixels = 1;           // device pixels per device unit of the chart's
                                     // surface (line widths, rotated-font heights)
    double thinnestLine = 0;         // device pixels; a raster shows no thinner line
    double textScale = 1;            // every text's size, upright and rotated, times this

    // The page mapping: one chart unit is one centimetre at `dpi`, and the
    // device units of `kind` keep their size on paper (deviceUnitsPerInch).
    static DeviceMapping page(double dpi, SurfaceKind kind = SurfaceKind::Printer);
    // The same for a chart that covers `drawn`: centimetres where it fits on
    // a page of `pageCm`, else everything scaled down about the page's
    // top-left corner until it does, rather than lost past the paper's edge.
    static DeviceMapping page(double dpi, SurfaceKind kind, const QSizeF& pageCm, const QRectF& drawn);
    // Fits `region` (by default the chart region, x 0..30, y 0..21 cm) into
    // `area`, keeping its proportions. A screen chart keeps its fonts and
    // line widths at their screen size in pixels; a printed page is shown
    // as the paper looks, everything at the scale of the chart.
    static DeviceMapping fitted(const QRectF& area, double screenDpi = 96, const QRectF& region = QRectF(0, 0, 30, 21),
        SurfaceKind kind = SurfaceKind::Screen);

    // The pixel size of a rotated font of `height` device units.
    double rotatedFontPixels(int height) const;
    // The pen width of a line width of `width` device units.
    double lineWidthPixels(int width) const;
    // The font a text is drawn in.
    QFont textFont(const Op::Text& text) const;
    // The device box a text covers: its advance by the font's ascent and
    // descent, from its top-left corner, turned with the text.
    QRectF textBox(const Op::Text& text) const;
};

// The chart region every viewer draws into, in chart centimetres.
inline constexpr QRectF kChartRegion { 0, 0, 30, 21 };

// The region the picture and the image exports show: the chart region, and
// all a chart drew beyond it when it reaches further.
QRectF shownRegion(const std::optional<QRectF>& drawn);

// Draws surface operations with a QPainter on any Qt paint device: the
// picture area, QPrinter, QPdfWriter, QSvgGenerator and QImage alike.
class PainterRenderer {
public:
    // With `polylines`, connected lines of one pen are drawn as one
    // polyline; with `wholeUnitLines` their ends lie on whole device units
    // (RenderSetup).
    PainterRenderer(QPainter& painter, const DeviceMapping& mapping, bool polylines = false, bool wholeUnitLines = false);
    // Draws what is still batched.
    ~PainterRenderer();
    PainterRenderer(const PainterRenderer&) = delete;
    PainterRenderer& operator=(const PainterRenderer&) = delete;

    // A line may wait in the batch of lines in its pen until another
    // operation or flush() draws it.
    void paint(const SurfaceOp& op);
    // Everything drawn when it returns.
    void paint(const OpList& ops);
    void flush();

private:
    QPointF map(float x, float y) const;
    QPointF map(const QPointF& chart) const;
    QPointF mapLineEnd(const QPointF& chart) const;

    QPainter& m_painter;
    DeviceMapping m_mapping;
    // A curve is thousands of lines in one pen: drawn in one call they
    // cost the raster engine its per-call set-up once.
    std::vector<QLineF> m_lines;
    Rgb m_linesRgb;
    int m_linesWidth = 0;
    ClipRegion m_clip;
    // The runs of connected lines in that pen, as their points, and which
    // run ends at a chart position (its two floats' bits): a chart draws
    // its curves side by side, a segment of each in turn.
    bool m_polylines = false;
    bool m_wholeUnitLines = false;
    std::vector<std::vector<QPointF>> m_runs;
    std::unordered_map<quint64, std::size_t> m_runEnds;
};

} // namespace kavel
