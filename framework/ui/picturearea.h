#pragma once

#include <QRectF>
#include <QWidget>
#include <memory>
#include <optional>

class QRubberBand;

namespace kavel {

class DrawingSurface;
class RecordingSurface;
struct DeviceMapping;

// Picture1: the main window's chart. The plot handler draws on surface();
// the area keeps what was drawn and replays it fitted to whatever size the
// window has, on white paper, its text growing and shrinking with the
// chart. It reports the mouse in chart centimetres: where it moves, a
// rectangle dragged with the left button, the wheel turned, a double click.
class PictureArea final : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);
    ~PictureArea() override;

    DrawingSurface& surface();
    // The chart as last drawn, from its Clear on.
    const RecordingSurface& recording() const { return *m_surface; }

    // What the area fits into its size: the chart region, and all a chart
    // drew beyond it (nullopt: the chart region alone).
    void setChartRegion(const std::optional<QRectF>& drawn);
    QRectF chartRegion() const { return m_region; }

    // How the chart lands on an area of `size` pixels as this picture shows
    // it: fitted, its text at the size the window's design gives it for
    // that size of chart.
    DeviceMapping mappingFor(const QSizeF& size) const;
    QPointF toChart(const QPointF& pixel) const;
    QPointF toPixel(const QPointF& chart) const;

    QSize sizeHint() const override;

signals:
    void cursorMoved(const QPointF& chart);
    void cursorLeft();
    // A rectangle dragged with the left button, in chart centimetres.
    void rectangleDragged(const QRectF& chart);
    // The wheel turned at `chart`: `steps` notches, positive away from the user.
    void wheelTurned(const QPointF& chart, double steps);
    void doubleClicked(const QPointF& chart);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::unique_ptr<RecordingSurface> m_surface;
    QRectF m_region;
    QRubberBand* m_band = nullptr;
    std::optional<QPoint> m_dragFrom;
};

} // namespace kavel
