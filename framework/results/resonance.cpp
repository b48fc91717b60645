#include "resonance.h"

#include "signchange.h"

#include <cmath>

namespace kavel {

namespace {

// A flat run is a top only where the response falls after it (or the data
// ends there): a response written with few digits rises in steps, and each
// step would otherwise be a peak.
std::vector<std::size_t> localMaxima(std::span<const double> a)
{
    std::vector<std::size_t> peaks;
    const std::size_t n = a.size();
    if (n < 2)
        return peaks;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && !(a[i] > a[i - 1]))
            continue;
        std::size_t next = i + 1;
        while (next < n && a[next] == a[i])
            ++next;
        // The first sample has nothing before it: only a fall after it makes
        // it a top, never the data's end.
        const bool falls = next < n && a[next] < a[i];
        if (falls || (i > 0 && next == n))
            peaks.push_back(i);
    }
    return peaks;
}

// The lowest sample from `from` to `to` (either order, both included), the
// one nearest `from` where several are as low.
std::size_t valley(std::span<const double> a, std::size_t from, std::size_t to)
{
    std::size_t lowest = from;
    const int step = to >= from ? 1 : -1;
    for (std::size_t i = from;; i += std::size_t(step)) {
        if (a[i] < a[lowest])
            lowest = i;
        if (i == to)
            break;
    }
    return lowest;
}

// Outwards from the peak to the valley: the first sample at or below the
// half-power level, and the speed where the line from the sample before it
// reaches that level.
std::optional<double> halfPowerSpeed(std::span<const double> x, std::span<const double> a, std::size_t peak, std::size_t valleyAt)
{
    const double level = a[peak] / std::sqrt(2.0);
    const int step = valleyAt >= peak ? 1 : -1;
    for (std::size_t i = peak; i != valleyAt;) {
        const std::size_t next = i + std::size_t(step);
        if (a[next] <= level) {
            const double t = (a[i] - level) / (a[i] - a[next]);
            return Interpolate(x[i], x[next], t);
        }
        i = next;
    }
    return std::nullopt;
}

} // namespace

std::vector<Resonance> FindResonances(std::span<const double> speed, std::span<const double> amplitude)
{
    std::vector<Resonance> resonances;
    const std::vector<std::size_t> peaks = localMaxima(amplitude);
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        const std::size_t p = peaks[k];
        const std::size_t leftEnd = k > 0 ? peaks[k - 1] + 1 : 0;
        const std::size_t rightEnd = k + 1 < peaks.size() ? peaks[k + 1] - 1 : amplitude.size() - 1;
        Resonance r { p, std::nullopt, std::nullopt, std::nullopt };
        // A response at or below zero has no half-power level.
        if (!(amplitude[p] > 0)) {
            resonances.push_back(r);
            continue;
        }
        if (p > leftEnd)
            r.n1 = halfPowerSpeed(speed, amplitude, p, valley(amplitude, p - 1, leftEnd));
        if (p < rightEnd)
            r.n2 = halfPowerSpeed(speed, amplitude, p, valley(amplitude, p + 1, rightEnd));
        if (r.n1 && r.n2 && *r.n2 > *r.n1)
            r.af = speed[p] / (*r.n2 - *r.n1);
        resonances.push_back(r);
    }
    return resonances;
}

} // namespace kavel
