#include "picturearea.h"

#include "twips.h"

#include "framework/output/painterrenderer.h"
#include "framework/output/render.h"
#include "framework/surface/recordingsurface.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>

namespace kavel {

namespace {

// Picture1's design in twips.
constexpr TwipsRect kDesign { 0, 0, 7875, 4363 };

// A press and release closer than this are a click, not a rectangle.
constexpr int kLeastDrag = 6;

} // namespace

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent)
    , m_surface(std::make_unique<RecordingSurface>(SurfaceKind::Screen))
    , m_region(kChartRegion)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMouseTracking(true);
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
    return kDesign.toPixels().size();
}

DeviceMapping PictureArea::mappingFor(const QSizeF& size) const
{
    DeviceMapping mapping = DeviceMapping::fitted(QRectF(QPointF(0, 0), size), 96, m_region);
    // The design's labels were made for the chart at the design's size: the
    // text keeps that share of the chart at any size.
    const DeviceMapping design = DeviceMapping::fitted(QRectF(QPointF(0, 0), QSizeF(kDesign.toPixels().size())), 96, m_region);
    mapping.textScale = mapping.pixelsPerCm / design.pixelsPerCm;
    return mapping;
}

QPointF PictureArea::toChart(const QPointF& pixel) const
{
    const DeviceMapping mapping = mappingFor(size());
    return (pixel - mapping.origin) / mapping.pixelsPerCm;
}

QPointF PictureArea::toPixel(const QPointF& chart) const
{
    const DeviceMapping mapping = mappingFor(size());
    return mapping.origin + chart * mapping.pixelsPerCm;
}

void PictureArea::paintEvent(QPaintEvent*)
{
    // QWidget has a render() of its own.
    kavel::render(*this, m_surface->ops(), { mappingFor(size()), true, QColor(Qt::white) });
}

void PictureArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragFrom = event->position().toPoint();
}

void PictureArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit cursorMoved(toChart(event->position()));
    if (!m_dragFrom || !(event->buttons() & Qt::LeftButton))
        return;
    if (!m_band && (at - *m_dragFrom).manhattanLength() >= kLeastDrag)
        m_band = new QRubberBand(QRubberBand::Rectangle, this);
    if (m_band) {
        m_band->setGeometry(QRect(*m_dragFrom, at).normalized());
        m_band->show();
    }
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragFrom) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint from = *m_dragFrom;
    const QPoint to = event->position().toPoint();
    m_dragFrom.reset();
    if (m_band) {
        m_band->hide();
        m_band->deleteLater();
        m_band = nullptr;
    }
    if (std::abs(to.x() - from.x()) < kLeastDrag || std::abs(to.y() - from.y()) < kLeastDrag)
        return;
    emit rectangleDragged(QRectF(toChart(from), toChart(to)).normalized());
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(toChart(event->position()));
}

void PictureArea::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) {
        event->ignore();
        return;
    }
    emit wheelTurned(toChart(event->position()), steps);
    event->accept();
}

void PictureArea::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit cursorLeft();
}

} // namespace kavel
