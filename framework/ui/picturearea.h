#pragma once

#include <QRectF>
#include <QWidget>
#include <memory>
#include <optional>

namespace kavel {

class DrawingSurface;
class RecordingSurface;

// Picture1: the main window's chart. The plot handler draws on surface();
// the area keeps what was drawn and replays it fitted to whatever size the
// window has, on white paper.
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

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<RecordingSurface> m_surface;
    QRectF m_region;
};

} // namespace kavel
