#include "modeshapes.h"

#include "framework/reading/numbertext.h"
#include "framework/reading/single.h"

#include <cmath>
#include <limits>

namespace kavel {

namespace {

// Result lines: a label of 7 columns, then fields of 11.
constexpr int kFirstColumn = 8;
constexpr int kFieldWidth = 11;

// The fields a line reaches, of the `wanted` ones; the last may be short.
int fieldsReached(QStringView line, int wanted)
{
    const qsizetype past = line.size() - (kFirstColumn - 1);
    if (past <= 0 || wanted <= 0)
        return 0;
    return int(std::min<qsizetype>(wanted, (past + kFieldWidth - 1) / kFieldWidth));
}

// Fields 1..`wanted` of a fixed-column line as singles, as far as the line
// reaches. A value beyond the single-precision range stops the read: the
// fields before it are kept.
bool readFields(FieldReader& reader, QStringView line, int wanted, std::vector<float>& out)
{
    const int reached = fieldsReached(line, wanted);
    out.clear();
    out.reserve(std::size_t(reached));
    for (int k = 1; k <= reached; ++k) {
        const double value = fixedColumnField(line, k, kFirstColumn, kFieldWidth);
        if (!Single::fits(value)) {
            reader.fail(QStringLiteral("field %1 is beyond the single-precision range").arg(k));
            return false;
        }
        out.push_back(float(value));
    }
    return true;
}

} // namespace

ReaderDiagnostic parseComplexModeShapes(FieldReader& reader, ComplexModeShapes& shapes)
{
    // The counts change together with the tables they size: a file that
    // breaks off between them leaves both as they were.
    const auto counts = readResultOpening<2>(reader, shapes.FileComment);
    if (!counts)
        return reader.diagnostic();
    const auto [N1, N2] = *counts;
    shapes.resize(N1, N2);
    reader.finishLine();

    std::vector<float> fields;
    std::optional<QStringView> line = reader.lineView();
    if (!line || !reader.expectNumbers(*line, N1, QStringLiteral("a station position"), kFirstColumn, kFieldWidth))
        return reader.diagnostic();
    const bool stationsRead = readFields(reader, *line, N1, fields);
    for (std::size_t k = 0; k < fields.size(); ++k)
        shapes.setStationPos(int(k) + 1, fields[k]);
    if (!stationsRead)
        return reader.diagnostic();

    for (int i = 1; i <= N2; ++i) {
        for (int j = 0; j <= 1; ++j) {
            line = reader.lineView();
            if (!line)
                return reader.diagnostic();
            const bool read = readFields(reader, *line, 2 * N1, fields);
            shapes.setShapeLine(i, j, fields);
            if (!read)
                return reader.diagnostic();
        }
    }

    for (int i = 1; i <= N2; ++i) {
        line = reader.lineView();
        if (!line)
            return reader.diagnostic();
        const bool read = readFields(reader, *line, 5, fields);
        std::array<float, 5> info {};
        std::copy(fields.begin(), fields.end(), info.begin());
        shapes.setModeInfo(i, info);
        if (!read)
            return reader.diagnostic();
    }
    reader.expectEnd(QStringLiteral("counts N1 = %1, N2 = %2").arg(N1).arg(N2));
    return reader.diagnostic();
}

float ComplexModeShapes::stationPos(int s) const
{
    return s >= 1 && s <= m_N1 ? m_stationPos[std::size_t(s - 1)] : 0.f;
}

float ComplexModeShapes::shape(int k, int i, int j) const
{
    if (i < 1 || i > m_N2 || j < 0 || j > 1 || k < 1)
        return 0.f;
    const std::vector<float>& row = m_shapeRows[std::size_t(2 * (i - 1) + j)];
    return std::size_t(k) <= row.size() ? row[std::size_t(k - 1)] : 0.f;
}

float ComplexModeShapes::modeInfo(int m, int i) const
{
    if (m < 1 || m > 5 || i < 1 || i > m_N2)
        return 0.f;
    return m_modeInfo[std::size_t(i - 1)][std::size_t(m - 1)];
}

void ComplexModeShapes::resize(int N1, int N2)
{
    m_N1 = std::max(0, N1);
    m_N2 = std::max(0, N2);
    m_stationPos.assign(std::size_t(m_N1), 0.f);
    m_shapeRows.assign(std::size_t(2 * m_N2), {});
    m_modeInfo.assign(std::size_t(m_N2), {});
}

void ComplexModeShapes::setStationPos(int s, float value)
{
    if (s >= 1 && s <= m_N1)
        m_stationPos[std::size_t(s - 1)] = value;
}

void ComplexModeShapes::setShapeLine(int i, int j, std::vector<float> fields)
{
    if (i < 1 || i > m_N2 || j < 0 || j > 1)
        return;
    if (fields.size() > std::size_t(2 * m_N1))
        fields.resize(std::size_t(2 * m_N1));
    m_shapeRows[std::size_t(2 * (i - 1) + j)] = std::move(fields);
}

void ComplexModeShapes::setModeInfo(int i, const std::array<float, 5>& values)
{
    if (i >= 1 && i <= m_N2)
        m_modeInfo[std::size_t(i - 1)] = values;
}

QByteArray FormatModeDiagnostic(const ComplexModeShapes& shapes)
{
    QByteArray bytes;
    if (shapes.N2() < 1)
        return bytes;
    for (int m = 1; m <= 5; ++m)
        bytes += NumberText::printed(double(shapes.modeInfo(m, 1)), NumberText::kSingleDigits).toLatin1() + "\r\n";
    return bytes;
}

} // namespace kavel
