#include "separationmargin.h"

#include <algorithm>

namespace kavel {

namespace {

double amplificationTerm(double af)
{
    return 17 * (1 - 1 / (af - 1.5));
}

} // namespace

double RequiredMarginBelow(double af)
{
    return std::min(16.0, amplificationTerm(af));
}

double RequiredMarginAbove(double af)
{
    return std::min(26.0, 10 + amplificationTerm(af));
}

SeparationMargin AssessSeparation(double speed, std::optional<double> af, const OperatingRange& range)
{
    SeparationMargin result;
    const bool below = speed < range.min;
    const bool above = speed > range.max;
    if (below)
        result.margin = (range.min - speed) / range.min * 100;
    else if (above)
        result.margin = (speed - range.max) / range.max * 100;
    if (!af || *af < kMarginAmplification)
        return result;
    if (!below && !above) {
        result.required.reset();
        result.pass = false;
        return result;
    }
    result.required = below ? RequiredMarginBelow(*af) : RequiredMarginAbove(*af);
    result.pass = *result.margin >= result.required;
    return result;
}

} // namespace kavel
