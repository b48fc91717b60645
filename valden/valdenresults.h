#pragma once

#include "framework/results/chartmarkers.h"
#include "framework/results/resultrow.h"

#include <optional>
#include <span>
#include <vector>

namespace kavel {

struct EigenData;

// Where mode `mode`'s natural frequency meets the excitation order line
// f = order · N (speeds in rps, frequencies in Hz): a critical speed.
struct OrderCrossing {
    int mode;
    double order;
    double speed;
    double frequency;
    std::optional<double> dampingRatio;
    std::optional<double> logDecrement;
};

// Where a mode's damping ratio turns negative. No speed when it is negative
// from the first speed on: the onset lies below the data.
struct InstabilityOnset {
    int mode;
    std::optional<double> speed;
    std::optional<double> frequency;
};

struct CampbellResults {
    std::vector<OrderCrossing> crossings; // by mode, then order, then speed
    std::vector<InstabilityOnset> onsets; // by mode, then speed
};

// For each mode and each order, every crossing of the mode's frequency
// f = omega/2π with the order line over the speed samples (see SignChanges):
// the speed where f − order·N is 0 by linear interpolation, and the
// frequency and damping ratio interpolated there, with the logarithmic
// decrement of that damping ratio. Then each mode's instability onsets: each
// step from a damping ratio ≥ 0 to one < 0, at the speed where the ratio
// interpolates to 0.
CampbellResults ComputeCampbellResults(const EigenData& data, std::span<const double> orders);

// The rows "crossing" (mode, order, speed, frequency, damping_ratio,
// log_decrement) and "unstable" (mode, speed, frequency), without colours.
ResultRows CampbellResultRows(const CampbellResults& results);

// A circle at each crossing (speed, frequency) of a mode drawn, in its
// colour (mode j's at index j − 1; none: not drawn, not marked).
ChartMarkers CampbellMarkers(const CampbellResults& results, const std::vector<std::optional<int>>& modeColours);

} // namespace kavel
