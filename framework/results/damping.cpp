#include "damping.h"

#include <cmath>
#include <numbers>

namespace kavel {

std::optional<double> DampingRatio(double re, double im)
{
    // hypot only where the squares overflow: it is several times slower, and
    // the Campbell results take a modulus at every speed of every mode.
    double modulus = std::sqrt(re * re + im * im);
    if (std::isinf(modulus) && std::isfinite(re) && std::isfinite(im))
        modulus = std::hypot(re, im);
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
