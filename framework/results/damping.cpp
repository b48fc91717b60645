#include "damping.h"

#include <cmath>
#include <numbers>

namespace kavel {

std::optional<double> DampingRatio(double re, double im)
{
    const double modulus = std::hypot(re, im);
    if (!(modulus > 0) || !std::isfinite(modulus))
        return std::nullopt;
    return -re / modulus;
}

std::optional<double> LogarithmicDecrement(double zeta)
{
    if (!(std::abs(zeta) < 1))
        return std::nullopt;
    return 2 * std::numbers::pi * zeta / std::sqrt(1 - zeta * zeta);
}

} // namespace kavel
