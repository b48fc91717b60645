#pragma once

#include <optional>

namespace kavel {

// The operating speed range a rotor must keep its resonances away from, in
// the speed unit of the response.
struct OperatingRange {
    double min = 0;
    double max = 0;
    bool operator==(const OperatingRange&) const = default;
};

// Below this amplification factor a resonance is damped enough to need no
// separation margin.
inline constexpr double kMarginAmplification = 2.5;

// The separation margin, in percent, that API 684 practice requires of a
// resonance with amplification factor `af` (≥ 2.5) below the operating range,
// 17·(1 − 1/(AF − 1.5)) at most 16, and above it, 10 + 17·(1 − 1/(AF − 1.5))
// at most 26.
double RequiredMarginBelow(double af);
double RequiredMarginAbove(double af);

// How a resonance at `speed` stands to the operating range. `margin` is
// (MIN − N)/MIN·100 below the range and (N − MAX)/MAX·100 above it, none
// inside it (MIN ≤ N ≤ MAX). With AF ≥ 2.5 the margin must be at least the
// required one, and a resonance inside the range fails (no margin is then
// required of it: none would do); with a smaller AF, or none (critically
// damped), the margin required is 0 and it passes.
struct SeparationMargin {
    std::optional<double> margin;
    std::optional<double> required = 0.0;
    bool pass = true;
};
SeparationMargin AssessSeparation(double speed, std::optional<double> af, const OperatingRange& range);

} // namespace kavel
