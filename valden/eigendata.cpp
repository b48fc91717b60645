#include "eigendata.h"

#include "framework/reading/single.h"

#include <algorithm>

namespace kavel {

ReaderDiagnostic parseEigenData(FieldReader& reader, EigenData& data)
{
    const auto dropTables = [&] {
        data.N1 = data.N2 = 0;
        data.speed = std::vector<float>();
        data.sigma = std::vector<float>();
        data.omega = std::vector<float>();
    };
    const auto counts = readResultOpening<2>(reader, data.FileComment, { .marker = QLatin1String(kEigenMarker), .dropTables = dropTables });
    if (!counts)
        return reader.diagnostic();
    const auto [n1, n2] = *counts;
    // Steps × modes values, placed as a complete file would place them.
    const double cells = double(n1) * double(n2);
    if (!reader.expectTableCounts(n1, n2, cells))
        return reader.diagnostic();
    data.N1 = n1;
    data.N2 = n2;
    data.speed.assign(std::size_t(data.N1), 0.f);
    data.sigma.assign(std::size_t(cells), 0.f);
    data.omega.assign(std::size_t(cells), 0.f);

    // Whatever follows the counts on their line, then the column headings.
    reader.finishLine();
    if (!reader.lineView())
        return reader.diagnostic();
    const std::optional<QStringView> speeds = reader.lineView();
    if (!speeds)
        return reader.diagnostic();
    for (int i = 1; i <= data.N1; ++i)
        data.speed[std::size_t(i - 1)] = Single::saturated(fixedColumnField(*speeds, i));

    for (int i = 1; i <= data.N1; ++i) {
        const std::optional<QStringView> line = reader.lineView();
        if (!line)
            return reader.diagnostic();
        // Modes past the end of a line read as 0; no field needs a look.
        const int present = std::min(data.N2, int((line->size() - 7 + 21) / 22));
        for (int j = 1; j <= present; ++j) {
            data.sigma[data.cell(i, j)] = Single::saturated(fixedColumnField(*line, 2 * j - 1));
            data.omega[data.cell(i, j)] = Single::saturated(fixedColumnField(*line, 2 * j));
        }
    }
    return reader.diagnostic();
}

} // namespace kavel
