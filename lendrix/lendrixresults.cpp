#include "lendrixresults.h"

#include "lendrixmodel.h"

#include <cmath>
#include <numbers>

namespace kavel {

ResultRows ModalColumnRows(const LendrixModel& model)
{
    ResultRows rows;
    for (qint64 j = 1; j <= model.q; ++j) {
        std::optional<double> frequency;
        const double value = model.block5Value(j);
        if (j <= model.L5 && value >= 0)
            frequency = std::sqrt(value) / (2 * std::numbers::pi);
        rows.push_back(ResultRow(QStringLiteral("mode"))
                .number(QStringLiteral("column"), double(model.p + j))
                .number(QStringLiteral("frequency"), frequency));
    }
    return rows;
}

} // namespace kavel
