#pragma once

#include "surfaceops.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

class QPainter;

namespace kavel {

// How chart centimetres land on a paint device.
struct DeviceMapping {
    double pixelsPerCm = 96 / 2.54;  // chart scale
    QPointF origin;                  // device position of chart (0, 0)
    double fontDpi = 96;             // device pixels per inch for point sizes;
                                     // a rotated font's height counts 96ths of it
    double pixelDpi = 96;            // device pixels per inch of a "pixel" of line width

    // The page mapping: one chart unit is one centimetre at `dpi`. Line
    // widths count pixels of a classic 300 dpi printer; the rotated title
    // heights count logical 96 dpi pixels, as the platform font API takes them.
    static DeviceMapping page(double dpi);
    // The same for a chart that covers `drawn`: centimetres where it fits on
    // a page of `pageCm`, else everything scaled down about the page's
    // top-left corner until it does, rather than lost past the paper's edge.
    static DeviceMapping page(double dpi, const QSizeF& pageCm, const QRectF& drawn);
    // Fits `region` (by default the chart region, x 0..30, y 0..21 cm) into
    // `area`, keeping its proportions; fonts and line widths keep their
    // screen size in pixels.
    static DeviceMapping fitted(const QRectF& area, double screenDpi = 96, const QRectF& region = QRectF(0, 0, 30, 21));
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
    PainterRenderer(QPainter& painter, const DeviceMapping& mapping);
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
    double lineWidthPixels(int width) const;

    QPainter& m_painter;
    DeviceMapping m_mapping;
    // A curve is thousands of lines in one pen: drawn in one call they
    // cost the raster engine its per-call set-up once.
    std::vector<QLineF> m_lines;
    Rgb m_linesRgb;
    int m_linesWidth = 0;
};

} // namespace kavel
