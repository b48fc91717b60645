#pragma once

#include "criticalspeedmap.h"

#include <vector>

namespace kavel {

struct HolpixSettings;
struct MapScales;

// The map in chart coordinates, indexed as the map: chartX(i) for
// stiffness point i, chartY(i, j, k) for mode j and curve kind k.
struct ChartPoints {
    int pointCount = 0;
    std::vector<float> chartX;
    std::vector<float> chartYs;

    float chartY(int i, int j, int k) const { return chartYs[index(i, j, k)]; }
    float& chartY(int i, int j, int k) { return chartYs[index(i, j, k)]; }

private:
    std::size_t index(int i, int j, int k) const
    {
        return (std::size_t(j) * std::size_t(pointCount + 1) + std::size_t(i)) * kMapCurveKinds + std::size_t(k);
    }
};

// Places every value of the map on the chart the axis routine has drawn
// (it must run first: its log scales and replaced minima are used here). A
// value below the minimum of a log axis is pinned to that axis; nothing else
// is clipped, so values beyond the maximum land outside the frame.
ChartPoints MapToChart(const CriticalSpeedMap& map, const HolpixSettings& settings, const MapScales& scales);

} // namespace kavel
