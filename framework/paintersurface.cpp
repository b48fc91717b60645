#include "paintersurface.h"

namespace kavel {

PainterSurface::PainterSurface(SurfaceKind kind, QPainter& painter, const DeviceMapping& mapping)
    : DrawingSurface(kind)
    , m_renderer(painter, mapping)
{
}

void PainterSurface::paint(const SurfaceOp& op)
{
    m_renderer.paint(op);
}

} // namespace kavel
