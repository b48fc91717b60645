#include "unbalanceresponse.h"

#include "framework/reading/single.h"

namespace kavel {

ReaderDiagnostic parseUnbalanceResponse(FieldReader& reader, UnbalanceResponse& data)
{
    const auto dropTables = [&] {
        data.speedCount = data.curveCount = 0;
        data.values = std::vector<float>(2, 0.f);
    };
    const auto counts = readResultOpening<2>(reader, data.FileComment, { .marker = QLatin1String(kResponseMarker), .dropTables = dropTables });
    if (!counts)
        return reader.diagnostic();
    const auto [ns, nc] = *counts;
    // Row 0 and column 0 hold the speeds.
    const double cells = (double(ns) + 1) * (double(nc) + 1);
    if (!reader.expectTableCounts(ns, nc, cells))
        return reader.diagnostic();
    data.speedCount = ns;
    data.curveCount = nc;
    data.values.assign(std::size_t(cells) * 2, 0.f);

    reader.finishLine();
    // The column headings.
    if (!reader.lineView())
        return reader.diagnostic();
    for (int i = 1; i <= data.speedCount; ++i) {
        const std::optional<QStringView> line = reader.lineView();
        if (!line)
            return reader.diagnostic();
        // A seven-character lead, the speed, then amplitude and phase of each
        // curve, 11 characters each. Curves past the line's end stay 0.
        data.values[data.cell(i, 0, 0)] = Single::saturated(fixedColumnField(*line, 1));
        for (int j = 1; j <= data.curveCount && 22 * j - 4 < line->size(); ++j) {
            data.values[data.cell(i, j, 0)] = Single::saturated(fixedColumnField(*line, 2 * j));
            data.values[data.cell(i, j, 1)] = Single::saturated(fixedColumnField(*line, 2 * j + 1));
        }
    }
    return reader.diagnostic();
}

} // namespace kavel
