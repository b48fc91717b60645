#include "zeptalresults.h"

#include "unbalanceresponse.h"

#include <cmath>

namespace kavel {

std::vector<ResponsePeak> ComputeResponsePeaks(const UnbalanceResponse& data, const std::optional<OperatingRange>& operating)
{
    std::vector<ResponsePeak> peaks;
    std::vector<double> speed, amplitude;
    for (int i = 1; i <= data.speedCount; ++i)
        speed.push_back(data.speed(i));
    for (int j = 1; j <= data.curveCount; ++j) {
        amplitude.clear();
        for (int i = 1; i <= data.speedCount; ++i)
            amplitude.push_back(data.amplitude(i, j));
        for (const Resonance& r : FindResonances(speed, amplitude)) {
            ResponsePeak peak { j, r, speed[r.peak], amplitude[r.peak], data.phase(int(r.peak) + 1, j), std::nullopt };
            if (operating)
                peak.separation = AssessSeparation(peak.speed, r.af, *operating);
            peaks.push_back(peak);
        }
    }
    return peaks;
}

ResultRows ResponsePeakRows(const std::vector<ResponsePeak>& peaks)
{
    ResultRows rows;
    for (const ResponsePeak& p : peaks) {
        ResultRow row(QStringLiteral("peak"));
        row.number(QStringLiteral("curve"), p.curve)
            .number(QStringLiteral("speed"), p.speed)
            .number(QStringLiteral("amplitude"), p.amplitude)
            .number(QStringLiteral("phase"), p.phase)
            .number(QStringLiteral("n1"), p.resonance.n1)
            .number(QStringLiteral("n2"), p.resonance.n2)
            .number(QStringLiteral("af"), p.resonance.af);
        if (p.separation) {
            row.number(QStringLiteral("sm"), p.separation->margin)
                .number(QStringLiteral("sm_required"), p.separation->required)
                .verdict(QStringLiteral("pass"), p.separation->pass);
        } else {
            row.number(QStringLiteral("sm"), std::nullopt)
                .number(QStringLiteral("sm_required"), std::nullopt)
                .verdict(QStringLiteral("pass"), std::nullopt);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

ChartMarkers ResponsePeakMarkers(const std::vector<ResponsePeak>& peaks, const std::vector<std::optional<int>>& curveColours)
{
    ChartMarkers markers;
    for (const ResponsePeak& p : peaks) {
        const std::size_t j = std::size_t(p.curve - 1);
        if (j >= curveColours.size() || !curveColours[j])
            continue;
        const int colour = *curveColours[j];
        const double level = p.amplitude / std::sqrt(2.0);
        const Resonance& r = p.resonance;
        if (r.n1 && r.n2)
            markers.levels.push_back({ *r.n1, *r.n2, level, colour });
        for (const std::optional<double>& n : { r.n1, r.n2 }) {
            if (n)
                markers.points.push_back({ *n, level, colour, ChartMarkers::Shape::Tick });
        }
        markers.points.push_back({ p.speed, p.amplitude, colour });
    }
    return markers;
}

} // namespace kavel
