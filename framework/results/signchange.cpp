#include "signchange.h"

#include <cmath>

namespace kavel {

std::vector<SignChange> SignChanges(std::span<const double> g)
{
    std::vector<SignChange> changes;
    for (std::size_t i = 1; i < g.size(); ++i) {
        const double a = g[i - 1], b = g[i];
        if (!std::isfinite(a) || !std::isfinite(b))
            continue;
        if (b == 0 && a != 0)
            changes.push_back({ i, 1.0 });
        else if ((a < 0 && b > 0) || (a > 0 && b < 0))
            changes.push_back({ i, a / (a - b) });
    }
    return changes;
}

} // namespace kavel
