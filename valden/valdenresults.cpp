#include "valdenresults.h"

#include "eigendata.h"

#include "framework/results/damping.h"
#include "framework/results/signchange.h"

#include <cmath>
#include <numbers>

namespace kavel {

namespace {

// A mode's frequency (Hz) and damping ratio at every speed step; NaN where
// an eigenvalue has no damping ratio.
struct ModeCurve {
    std::vector<double> frequency;
    std::vector<double> damping;
};

ModeCurve modeCurve(const EigenData& data, int j)
{
    ModeCurve curve;
    curve.frequency.reserve(std::size_t(data.N1));
    curve.damping.reserve(std::size_t(data.N1));
    for (int i = 1; i <= data.N1; ++i) {
        const double sigma = data.sigmaAt(i, j), omega = data.omegaAt(i, j);
        curve.frequency.push_back(omega / (2 * std::numbers::pi));
        curve.damping.push_back(DampingRatio(sigma, omega).value_or(std::nan("")));
    }
    return curve;
}

std::optional<double> interpolated(const std::vector<double>& values, std::size_t i, double t)
{
    const double value = Interpolate(values[i - 1], values[i], t);
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace

CampbellResults ComputeCampbellResults(const EigenData& data, std::span<const double> orders)
{
    CampbellResults results;
    std::vector<double> speed;
    speed.reserve(std::size_t(data.N1));
    for (int i = 1; i <= data.N1; ++i)
        speed.push_back(data.speedAt(i));
    std::vector<double> g(speed.size());

    for (int j = 1; j <= data.N2; ++j) {
        const ModeCurve curve = modeCurve(data, j);
        for (const double order : orders) {
            for (std::size_t i = 0; i < speed.size(); ++i)
                g[i] = curve.frequency[i] - order * speed[i];
            for (const SignChange& c : SignChanges(g)) {
                const std::optional<double> damping = interpolated(curve.damping, c.index, c.t);
                results.crossings.push_back({ j, order, Interpolate(speed[c.index - 1], speed[c.index], c.t),
                    Interpolate(curve.frequency[c.index - 1], curve.frequency[c.index], c.t), damping,
                    damping ? LogarithmicDecrement(*damping) : std::nullopt });
            }
        }
        if (!curve.damping.empty() && curve.damping[0] < 0)
            results.onsets.push_back({ j, std::nullopt, std::nullopt });
        for (std::size_t i = 1; i < curve.damping.size(); ++i) {
            const double before = curve.damping[i - 1], after = curve.damping[i];
            if (!(before >= 0 && after < 0))
                continue;
            const double t = before / (before - after);
            results.onsets.push_back({ j, Interpolate(speed[i - 1], speed[i], t), interpolated(curve.frequency, i, t) });
        }
    }
    return results;
}

ResultRows CampbellResultRows(const CampbellResults& results)
{
    ResultRows rows;
    for (const OrderCrossing& c : results.crossings) {
        rows.push_back(ResultRow(QStringLiteral("crossing"))
                .number(QStringLiteral("mode"), c.mode)
                .number(QStringLiteral("order"), c.order)
                .number(QStringLiteral("speed"), c.speed)
                .number(QStringLiteral("frequency"), c.frequency)
                .number(QStringLiteral("damping_ratio"), c.dampingRatio)
                .number(QStringLiteral("log_decrement"), c.logDecrement));
    }
    for (const InstabilityOnset& onset : results.onsets) {
        rows.push_back(ResultRow(QStringLiteral("unstable"))
                .number(QStringLiteral("mode"), onset.mode)
                .number(QStringLiteral("speed"), onset.speed)
                .number(QStringLiteral("frequency"), onset.frequency));
    }
    return rows;
}

ChartMarkers CampbellMarkers(const CampbellResults& results, const std::vector<std::optional<int>>& modeColours)
{
    ChartMarkers markers;
    for (const OrderCrossing& c : results.crossings) {
        const std::size_t j = std::size_t(c.mode - 1);
        if (j < modeColours.size() && modeColours[j])
            markers.points.push_back({ c.speed, c.frequency, *modeColours[j] });
    }
    return markers;
}

} // namespace kavel
