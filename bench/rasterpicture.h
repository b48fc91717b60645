#pragma once

#include "framework/painterrenderer.h"
#include "framework/paintersurface.h"

#include <QImage>
#include <QPainter>

namespace kavel {

// What the benchmarks draw on: the picture area's raster, the chart region
// at 96 dpi, antialiased as the window draws it.
class RasterPicture {
public:
    RasterPicture()
        : m_image(1134, 794, QImage::Format_RGB32)
    {
    }

    // `draw(surface)` straight onto a fresh white picture, as "3:Plot" draws.
    template <typename Draw>
    void paint(Draw&& draw)
    {
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        setUp(painter);
        PainterSurface surface(SurfaceKind::Screen, painter, DeviceMapping::fitted(QRectF(m_image.rect())));
        draw(surface);
    }

    // A recorded chart replayed, as the picture's paint event does.
    void replay(const OpList& ops)
    {
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        setUp(painter);
        PainterRenderer(painter, DeviceMapping::fitted(QRectF(m_image.rect()))).paint(ops);
    }

private:
    static void setUp(QPainter& painter)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }

    QImage m_image;
};

} // namespace kavel
