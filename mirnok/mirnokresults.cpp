#include "mirnokresults.h"

#include "modeshapes.h"

#include "framework/results/damping.h"

namespace kavel {

namespace {

std::optional<QString> whirl(float sign)
{
    if (sign > 0)
        return QStringLiteral("forward");
    if (sign < 0)
        return QStringLiteral("backward");
    return std::nullopt;
}

} // namespace

ResultRows ModeSummaryRows(const ComplexModeShapes& shapes)
{
    ResultRows rows;
    for (int i = 1; i <= shapes.N2(); ++i) {
        rows.push_back(ResultRow(QStringLiteral("mode"))
                .number(QStringLiteral("mode"), i)
                .number(QStringLiteral("speed"), shapes.modeInfo(1, i))
                .number(QStringLiteral("frequency"), shapes.modeInfo(5, i))
                .number(QStringLiteral("damping_ratio"), DampingRatio(shapes.modeInfo(4, i), shapes.modeInfo(5, i)))
                .text(QStringLiteral("whirl"), whirl(shapes.modeInfo(3, i))));
    }
    return rows;
}

} // namespace kavel
