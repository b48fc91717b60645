#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace kavel {

// The result files and the charts hold single-precision numbers; these are
// the two ways a double read or computed becomes one.
namespace Single {

// Whether `v` is a finite value a single can hold.
inline bool fits(double v)
{
    return std::isfinite(v) && std::fabs(v) <= double(std::numeric_limits<float>::max());
}

// The single nearest to `v`, or nullopt when `v` is not finite or lies so
// far beyond the largest single that it would round to infinity (half a unit
// of the last place past it): a settings item of single precision holds
// exactly the numbers this takes.
inline std::optional<float> nearest(double v)
{
    // Halfway between the largest single and 2^128; a tie rounds to the even
    // 2^128, which is infinity.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (!(std::fabs(v) < kOverflow))
        return std::nullopt;
    return float(v);
}

// `v` as a single, an overflow kept as the infinity of its sign: the charts
// skip what they cannot place.
inline float saturated(double v)
{
    if (v > double(std::numeric_limits<float>::max()))
        return std::numeric_limits<float>::infinity();
    if (v < -double(std::numeric_limits<float>::max()))
        return -std::numeric_limits<float>::infinity();
    return float(v);
}

} // namespace Single

} // namespace kavel
