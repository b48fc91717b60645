#pragma once

#include "drawingsurface.h"
#include "painterrenderer.h"

namespace kavel {

// The QPainter adapter: draws each operation at once on the painter's
// device (the printer page, a PDF, SVG or raster image).
class PainterSurface final : public DrawingSurface {
public:
    PainterSurface(SurfaceKind kind, QPainter& painter, const DeviceMapping& mapping);

protected:
    void paint(const SurfaceOp& op) override;

private:
    PainterRenderer m_renderer;
};

} // namespace kavel
