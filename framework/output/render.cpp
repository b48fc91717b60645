#include "render.h"

#include <QPainter>

namespace kavel {

RenderOutcome render(QPaintDevice& device, const OpList& ops, const RenderSetup& setup)
{
    QPainter painter;
    if (!painter.begin(&device))
        return RenderOutcome::NotStarted;
    if (setup.background)
        painter.fillRect(QRect(0, 0, device.width(), device.height()), *setup.background);
    if (setup.antialiased)
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    PainterRenderer(painter, setup.mapping, setup.polylines, setup.wholeUnitLines).paint(ops);
    return painter.end() ? RenderOutcome::Drawn : RenderOutcome::NotFinished;
}

} // namespace kavel
