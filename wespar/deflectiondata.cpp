#include "deflectiondata.h"

namespace kavel {

namespace {

// The label takes columns 1 to 6, so the fields start one column earlier
// than in the other result files.
constexpr int kFirstColumn = 7;
constexpr int kFieldWidth = 11;

void fillRow(QStringView line, int n, std::vector<float>& row)
{
    for (int i = 1; i <= n; ++i)
        row[std::size_t(i - 1)] = float(fixedColumnField(line, i, kFirstColumn, kFieldWidth));
}

} // namespace

ReaderDiagnostic parseDeflectionData(FieldReader& reader, DeflectionData& data)
{
    const auto dropTables = [&] {
        data.n = 0;
        data.xs.clear();
        data.defl.clear();
    };
    const auto counts = readResultOpening<1>(reader, data.FileComment, { .dropTables = dropTables });
    if (!counts)
        return reader.diagnostic();
    // The count is a 16-bit integer, so the tables stay small whatever it
    // says; fields the lines do not hold read as 0.
    data.n = (*counts)[0];
    data.xs.assign(std::size_t(data.n), 0.f);
    data.defl.assign(std::size_t(data.n), 0.f);
    reader.finishLine();
    // A column heading where the positions belong is another kind of file;
    // a deflection with words in its field reads as 0, as any field does.
    const std::optional<QStringView> positions = reader.lineView();
    if (!positions || !reader.expectNumbers(*positions, data.n, QStringLiteral("a position"), kFirstColumn, kFieldWidth))
        return reader.diagnostic();
    fillRow(*positions, data.n, data.xs);
    const std::optional<QStringView> deflections = reader.lineView();
    if (!deflections)
        return reader.diagnostic();
    fillRow(*deflections, data.n, data.defl);
    reader.expectEnd(QStringLiteral("count n = %1").arg(data.n));
    return reader.diagnostic();
}

} // namespace kavel
