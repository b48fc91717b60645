#include "picturearea.h"

#include "twips.h"

#include "framework/output/render.h"
#include "framework/surface/recordingsurface.h"


namespace kavel {

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
    , m_surface(std::make_unique<RecordingSurface>(SurfaceKind::Screen))
    , m_region(kChartRegion)
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

void PictureArea::setChartRegion(const std::optional<QRectF>& drawn)
{
    m_region = shownRegion(drawn);
    update();
}

QSize PictureArea::sizeHint() const
{
    return TwipsRect { 0, 0, 7875, 4363 }.toPixels().size();
}

void PictureArea::paintEvent(QPaintEvent*)
{
    // QWidget has a render() of its own.
    kavel::render(*this, m_surface->ops(), { DeviceMapping::fitted(QRectF(rect()), 96, m_region), true, QColor(Qt::white) });
}

} // namespace kavel
