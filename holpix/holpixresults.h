#pragma once

#include "framework/results/chartmarkers.h"
#include "framework/results/resultrow.h"

#include <functional>

#include <optional>
#include <span>
#include <vector>

namespace kavel {

struct CriticalSpeedMap;

// A mode's frequency of one curve kind at a bearing stiffness of the user's.
struct MapFrequency {
    double stiffness;
    int curve; // the curve kind: 0 critical speed, 1 standstill, 2 the third
    int mode;
    std::optional<double> frequency;
};

// At each stiffness (the file's unit), for each curve kind (only `curve`
// when one is given) and each mode, the frequency interpolated linearly in
// log10 K and log10 f between the two stiffness samples around it; the
// sample's own frequency at a sample; none outside the sampled range, or
// where a neighbouring stiffness or frequency is not positive (it has no
// logarithm). By stiffness, then curve kind, then mode.
std::vector<MapFrequency> ComputeMapFrequencies(const CriticalSpeedMap& map, std::span<const double> stiffness, std::optional<int> curve);

// The rows "critical": stiffness, curve, mode, frequency.
ResultRows MapFrequencyRows(const std::vector<MapFrequency>& frequencies);

// A black line up the map at each stiffness given, and a circle where it
// meets each curve drawn, in the curve's colour (none: not drawn).
ChartMarkers MapFrequencyMarkers(std::span<const double> stiffness, const std::vector<MapFrequency>& frequencies,
    const std::function<std::optional<int>(int curve, int mode)>& colourOf);

} // namespace kavel
