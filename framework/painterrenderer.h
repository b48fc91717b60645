#pragma once

#include "surfaceops.h"

#include <QPointF>
#include <QRectF>

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
    // Fits the chart region (x 0..30, y 0..21 cm) into `area`, keeping its
    // proportions; fonts and line widths keep their screen size in pixels.
    static DeviceMapping fitted(const QRectF& area, double screenDpi = 96);
};

// The chart region every viewer draws into, in chart centimetres.
inline constexpr QRectF kChartRegion { 0, 0, 30, 21 };

// Draws surface operations with a QPainter on any Qt paint device: the
// picture area, QPrinter, QPdfWriter, QSvgGenerator and QImage alike.
class PainterRenderer {
public:
    PainterRenderer(QPainter& painter, const DeviceMapping& mapping);
    void paint(const SurfaceOp& op);
    void paint(const OpList& ops);

private:
    QPointF map(float x, float y) const;
    double lineWidthPixels(int width) const;

    QPainter& m_painter;
    DeviceMapping m_mapping;
};

} // namespace kavel
