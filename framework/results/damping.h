#pragma once

#include <optional>

namespace kavel {

// The damping ratio ζ = −Re/|λ| of an eigenvalue λ = re + i·im; none for an
// eigenvalue of modulus 0 (or one that is not finite).
std::optional<double> DampingRatio(double re, double im);

// The logarithmic decrement 2πζ/√(1 − ζ²) of a damping ratio; none from
// |ζ| ≥ 1, where the motion no longer oscillates.
std::optional<double> LogarithmicDecrement(double zeta);

} // namespace kavel
