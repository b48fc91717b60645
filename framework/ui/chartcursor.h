#pragma once

#include "framework/surface/plotarea.h"

#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

namespace kavel {

// A quantity the cursor reads and its value.
struct ReadValue {
    QString name;
    double value = 0;
};

// What the cursor reads at a point of a chart: the axes of the plot area
// under it, and the nearest drawn curve there (its value at the cursor's x,
// or for a path the nearest point of it; on a sketch the nearest marker).
struct CursorReading {
    std::vector<ReadValue> values;
    QString nearest;                  // the curve ("mode 2") or the marker's label
    std::vector<ReadValue> nearestValues;

    // One line for the status line: "回転数 (rps) 1234.5   振動数 (Hz) 56.78   ·   mode 2 振動数 (Hz) 55.1".
    QString text() const;
};

// Reads the chart at `chart` (centimetres): the area whose frame holds the
// point, else a chart's area without a frame; nullopt where there is none
// (outside every frame).
std::optional<CursorReading> ReadCursor(const std::vector<PlotArea>& areas, const QPointF& chart);

// A value as the readout shows it: five significant digits.
QString readoutNumber(double value);

} // namespace kavel
