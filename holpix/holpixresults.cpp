#include "holpixresults.h"

#include "criticalspeedmap.h"

#include "framework/results/signchange.h"
#include "framework/reading/single.h"

#include <cmath>

namespace kavel {

namespace {

bool between(double k, double a, double b)
{
    return (a <= k && k <= b) || (b <= k && k <= a);
}

std::optional<double> frequencyAt(const CriticalSpeedMap& map, double k, int mode, int kind)
{
    // A stiffness typed as the file gives it is that sample: its values are singles.
    const std::optional<float> single = Single::nearest(k);
    for (int i = 1; single && i <= map.pointCount; ++i) {
        if (map.stiffness[std::size_t(i)] == *single)
            return map.frequency(i, mode, kind);
    }
    for (int i = 1; i < map.pointCount; ++i) {
        const double s = map.stiffness[std::size_t(i)], next = map.stiffness[std::size_t(i + 1)];
        if (!between(k, s, next))
            continue;
        const double f = map.frequency(i, mode, kind), fNext = map.frequency(i + 1, mode, kind);
        if (!(s > 0 && next > 0 && f > 0 && fNext > 0))
            return std::nullopt;
        const double t = (std::log10(k) - std::log10(s)) / (std::log10(next) - std::log10(s));
        return std::pow(10.0, Interpolate(std::log10(f), std::log10(fNext), t));
    }
    return std::nullopt;
}

} // namespace

std::vector<MapFrequency> ComputeMapFrequencies(const CriticalSpeedMap& map, std::span<const double> stiffness, std::optional<int> curve)
{
    std::vector<MapFrequency> frequencies;
    for (const double k : stiffness) {
        for (int kind = 0; kind < kMapCurveKinds; ++kind) {
            if (curve && *curve != kind)
                continue;
            for (int j = 1; j <= map.modeCount; ++j)
                frequencies.push_back({ k, kind, j, frequencyAt(map, k, j, kind) });
        }
    }
    return frequencies;
}

ResultRows MapFrequencyRows(const std::vector<MapFrequency>& frequencies)
{
    ResultRows rows;
    for (const MapFrequency& f : frequencies) {
        rows.push_back(ResultRow(QStringLiteral("critical"))
                .number(QStringLiteral("stiffness"), f.stiffness)
                .number(QStringLiteral("curve"), f.curve)
                .number(QStringLiteral("mode"), f.mode)
                .number(QStringLiteral("frequency"), f.frequency));
    }
    return rows;
}

ChartMarkers MapFrequencyMarkers(std::span<const double> stiffness, const std::vector<MapFrequency>& frequencies,
    const std::function<std::optional<int>(int curve, int mode)>& colourOf)
{
    ChartMarkers markers;
    for (const double k : stiffness)
        markers.verticals.push_back({ k, 0 });
    for (const MapFrequency& f : frequencies) {
        if (const std::optional<int> colour = colourOf(f.curve, f.mode); colour && f.frequency)
            markers.points.push_back({ f.stiffness, *f.frequency, *colour });
    }
    return markers;
}

} // namespace kavel
