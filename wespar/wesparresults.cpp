#include "wesparresults.h"

#include "deflectiondata.h"

#include <cmath>

namespace kavel {

ResultRows DeflectionMaxRows(const DeflectionData& data)
{
    std::optional<std::size_t> largest;
    for (std::size_t i = 0; i < std::size_t(data.n); ++i) {
        if (!largest || std::abs(data.defl[i]) > std::abs(data.defl[*largest]))
            largest = i;
    }
    ResultRow row(QStringLiteral("max"));
    row.number(QStringLiteral("x"), largest ? std::optional<double>(data.xs[*largest]) : std::nullopt)
        .number(QStringLiteral("deflection"), largest ? std::optional<double>(data.defl[*largest]) : std::nullopt);
    return { row };
}

} // namespace kavel
