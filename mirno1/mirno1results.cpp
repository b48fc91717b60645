#include "mirno1results.h"

#include "modeshapefiles.h"

#include "framework/results/signchange.h"

#include <algorithm>
#include <cmath>

namespace kavel {

ResultRows PlanarModeRows(const PlanarModeShapes& shapes)
{
    ResultRows rows;
    std::vector<double> deflection;
    for (int i = 1; i <= shapes.N2; ++i) {
        // The stations past those the line delivered are all 0: one of them
        // stands for the rest (a run of zeros meets zero once), so a count
        // the file never fills costs nothing.
        deflection.clear();
        const int delivered = std::min(shapes.deliveredStations(i, 0), shapes.N1);
        for (int k = 1; k <= delivered; ++k)
            deflection.push_back(shapes.modeShape(k, i, 0));
        if (delivered < shapes.N1)
            deflection.push_back(0);
        auto x = [&](std::size_t k) { return double(shapes.stationPos[k]); };

        std::vector<double> nodes;
        for (const SignChange& c : SignChanges(deflection))
            nodes.push_back(Interpolate(x(c.index - 1), x(c.index), c.t));
        std::optional<std::size_t> largest;
        for (std::size_t k = 0; k < deflection.size(); ++k) {
            if (!largest || std::abs(deflection[k]) > std::abs(deflection[*largest]))
                largest = k;
        }
        rows.push_back(ResultRow(QStringLiteral("mode"))
                .number(QStringLiteral("mode"), i)
                .numbers(QStringLiteral("nodes"), std::move(nodes))
                .number(QStringLiteral("x"), largest ? std::optional(x(*largest)) : std::nullopt)
                .number(QStringLiteral("deflection"), largest ? std::optional(deflection[*largest]) : std::nullopt));
    }
    return rows;
}

} // namespace kavel
