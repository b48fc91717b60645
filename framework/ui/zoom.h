#pragma once

#include "framework/surface/plotarea.h"

#include <QPointF>
#include <QRectF>
#include <utility>
#include <vector>

namespace kavel {

class SettingsLayout;

// Zooms a chart by its settings: the ranges of the zoomed axes become what
// the user chose, with pitches that give about as many ticks as before, and
// the chart is then drawn as always. What the ranges were before the first
// zoom is kept, so that they can be restored, and so that what the working
// settings file receives at quit is what it would have received without
// zooming. Only items the viewer's settings layout lists are ever set.
class ChartZoom {
public:
    // The rectangle `rect` (chart centimetres) dragged over the frame of
    // one of `areas` (the one holding its centre): each zoomable axis of
    // that area takes the rectangle's range. False when nothing changed.
    bool zoomTo(const std::vector<PlotArea>& areas, const QRectF& rect, const SettingsLayout& layout);
    // The wheel at `chart`: each zoomable axis of the framed area there is
    // narrowed (factor below 1) or widened about that point.
    bool zoomAbout(const std::vector<PlotArea>& areas, const QPointF& chart, double factor, const SettingsLayout& layout);

    bool zoomed() const { return !m_saved.empty(); }
    // Puts back the items as they were before the first zoom; false when
    // there was no zoom.
    bool restore();
    // The items stay as they are now: the settings were accepted in the
    // editing dialog or read anew.
    void keep() { m_saved.clear(); }

    // A pitch of 1, 2 or 5 times a power of ten that divides `range` into
    // about `ticks` parts.
    static double nicePitch(double range, double ticks);

private:
    bool setRange(const DataAxis& axis, double a, double b, const SettingsLayout& layout);
    double* writable(const double* item, const SettingsLayout& layout);
    void set(double* item, double value);

    std::vector<std::pair<double*, double>> m_saved;
};

} // namespace kavel
