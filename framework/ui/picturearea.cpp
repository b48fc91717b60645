#include "picturearea.h"

#include "twips.h"

#include "framework/painterrenderer.h"
#include "framework/recordingsurface.h"

#include <QPainter>

namespace kavel {

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
    , m_surface(std::make_unique<RecordingSurface>(SurfaceKind::Screen))
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

PictureArea::~PictureArea() = default;

DrawingSurface& PictureArea::surface()
{
    return *m_surface;
}

QSize PictureArea::sizeHint() const
{
    return TwipsRect { 0, 0, 7875, 4363 }.toPixels().size();
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PainterRenderer(painter, DeviceMapping::fitted(QRectF(rect()))).paint(m_surface->ops());
}

} // namespace kavel
