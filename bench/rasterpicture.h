#pragma once

#include "framework/output/render.h"
#include "framework/surface/recordingsurface.h"

#include <QImage>

namespace kavel {

// What the benchmarks draw on: the picture area's raster, the chart region
// at 96 dpi, antialiased as the window draws it.
class RasterPicture {
public:
    RasterPicture()
        : m_image(1134, 794, QImage::Format_RGB32)
    {
    }

    // `draw(surface)` recorded and shown on a fresh white picture, as
    // "3:Plot" draws and the picture's paint event shows it.
    template <typename Draw>
    void paint(Draw&& draw)
    {
        RecordingSurface surface(SurfaceKind::Screen);
        draw(surface);
        replay(surface.ops());
    }

    // A recorded chart shown as the picture's paint event shows it.
    void replay(const OpList& ops)
    {
        render(m_image, ops, { DeviceMapping::fitted(QRectF(m_image.rect())), true, QColor(Qt::white) });
    }

private:
    QImage m_image;
};

} // namespace kavel
