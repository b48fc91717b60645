#pragma once

#include <cmath>
#include <limits>

namespace kavel {

// The result files and the charts hold single-precision numbers; these are
// the two ways a double read or computed becomes one.
namespace Single {

// Whether `v` is a finite value a single can hold.
inline bool fits(double v)
{
    return std::isfinite(v) && std::fabs(v) <= double(std::numeric_limits<float>::max());
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
