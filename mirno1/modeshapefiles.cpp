#include "modeshapefiles.h"

#include "framework/models/rotormodel.h"

#include <algorithm>

namespace kavel {

namespace {

constexpr int kFirstColumn = 8;
constexpr int kFieldWidth = 11;

// How many fields of a line the line itself reaches.
int fieldsReached(QStringView line)
{
    return std::max(0, int((line.size() - (kFirstColumn - 1) + kFieldWidth - 1) / kFieldWidth));
}

std::vector<float> fieldsOf(QStringView line, int count)
{
    std::vector<float> fields(std::size_t(std::min(count, fieldsReached(line))));
    for (std::size_t k = 0; k < fields.size(); ++k)
        fields[k] = float(fixedColumnField(line, int(k) + 1, kFirstColumn, kFieldWidth));
    return fields;
}

} // namespace

ReaderDiagnostic parseModeShapeResult(FieldReader& reader, PlanarModeShapes& s)
{
    const auto dropTables = [&] {
        s.N1 = 0;
        s.N2 = 0;
        s.stationPos.clear();
        s.clearShapes();
    };
    const auto counts = readResultOpening<2>(reader, s.FileComment, { .dropTables = dropTables });
    if (!counts)
        return reader.diagnostic();
    const auto [N1, N2] = *counts;
    s.N1 = N1;
    s.N2 = N2;
    s.stationPos.assign(std::size_t(s.N1), 0.f);
    reader.finishLine();
    const std::optional<QStringView> stations = reader.lineView();
    if (!stations || !reader.expectNumbers(*stations, s.N1, QStringLiteral("a station position"), kFirstColumn, kFieldWidth))
        return reader.diagnostic();
    const std::vector<float> pos = fieldsOf(*stations, s.N1);
    std::copy(pos.begin(), pos.end(), s.stationPos.begin());
    for (int i = 1; i <= s.N2; ++i) {
        for (int j = 0; j <= 1; ++j) {
            const std::optional<QStringView> line = reader.lineView();
            if (!line)
                return reader.diagnostic();
            s.setShapeLine(i, j, fieldsOf(*line, s.N1));
        }
    }
    // Nothing follows the shapes.
    reader.expectEnd(QStringLiteral("counts N1 = %1, N2 = %2").arg(s.N1).arg(s.N2));
    return reader.diagnostic();
}

float PlanarModeShapes::modeShape(int k, int i, int j) const
{
    const std::size_t row = std::size_t(2 * (i - 1) + j);
    if (k < 1 || i < 1 || j < 0 || j > 1 || row >= m_rows.size() || std::size_t(k) > m_rows[row].size())
        return 0;
    return m_rows[row][std::size_t(k - 1)];
}

int PlanarModeShapes::deliveredStations(int i, int j) const
{
    const std::size_t row = std::size_t(2 * (i - 1) + j);
    if (i < 1 || j < 0 || j > 1 || row >= m_rows.size())
        return 0;
    return int(m_rows[row].size());
}

void PlanarModeShapes::setShapeLine(int i, int j, std::vector<float> fields)
{
    const std::size_t row = std::size_t(2 * (i - 1) + j);
    if (m_rows.size() <= row)
        m_rows.resize(row + 1);
    m_rows[row] = std::move(fields);
}

ReaderDiagnostic ReadModeShapeFiles(const QString& resultPath, const QString& outlinePath, PlanarModeShapes& shapes, RotorModel& outline)
{
    const ReaderDiagnostic result = ReadModeShapeResult(resultPath, shapes);
    if (!result.complete())
        return result;
    return ReadRotorModel(outlinePath, outline);
}

} // namespace kavel
