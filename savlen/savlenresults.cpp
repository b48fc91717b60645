#include "savlenresults.h"

#include "framework/models/rotormodel.h"

#include <algorithm>

namespace kavel {

ResultRows RotorSummaryRows(const RotorModel& model)
{
    std::optional<double> first, last, diameter;
    for (const ModelPoint& p : model.points) {
        first = std::min(first.value_or(p.x), p.x);
        last = std::max(last.value_or(p.x), p.x);
        diameter = std::max(diameter.value_or(p.D), p.D);
    }
    ResultRow row(QStringLiteral("rotor"));
    row.number(QStringLiteral("length"), first ? std::optional(*last - *first) : std::nullopt)
        .number(QStringLiteral("elements"), model.N / 4)
        .number(QStringLiteral("max_diameter"), diameter);
    return { row };
}

} // namespace kavel
