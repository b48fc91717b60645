#include "eigendata.h"

#include "framework/reading/fieldreader.h"
#include "framework/reading/single.h"

#include <algorithm>
#include <limits>

namespace kavel {

namespace {

// A file still being written declares more than it holds yet; up to this
// many values (steps × modes) are kept, zero until read, as a complete file
// would place them. Beyond it the counts must fit the rest of the file.
constexpr double kCellsAlwaysAllowed = 1 << 16;
// One eigenvalue takes two 11-column fields: a file of n characters holds
// fewer than n / 22 of them; n / 11 leaves room for abbreviated lines.
constexpr double kCharactersPerCell = 11;

ReaderDiagnostic readEigen(FieldReader& reader, EigenData& data)
{
    const std::optional<QString> comment = reader.fileCommentAfter(QLatin1String(kEigenMarker));
    if (!comment)
        return reader.diagnostic();
    data.FileComment = *comment;

    const std::optional<qint16> n1 = reader.int16();
    if (!n1)
        return reader.diagnostic();
    const std::optional<qint16> n2 = reader.int16();
    if (!n2)
        return reader.diagnostic();

    // The previous tables go at once, whatever the new counts turn out to be.
    data.N1 = data.N2 = 0;
    data.speed = std::vector<float>();
    data.sigma = std::vector<float>();
    data.omega = std::vector<float>();
    if (*n1 < 0 || *n2 < 0) {
        reader.fail(QStringLiteral("the counts %1 × %2 are negative").arg(*n1).arg(*n2));
        return reader.diagnostic();
    }
    // Counts the file cannot hold are not allocated (32767 × 32767 values
    // would take gigabytes).
    const double cells = double(*n1) * double(*n2);
    if (cells > std::max(kCellsAlwaysAllowed, double(reader.remaining()) / kCharactersPerCell + 1)) {
        reader.fail(QStringLiteral("the counts %1 × %2 are more than the file can hold").arg(*n1).arg(*n2));
        return reader.diagnostic();
    }
    data.N1 = *n1;
    data.N2 = *n2;
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

} // namespace

ReaderDiagnostic ReadEigenData(const QString& path, EigenData& data)
{
    return readFile(readEigen, path, data);
}

ReaderDiagnostic ReadEigenDataText(const QString& name, const QString& text, EigenData& data)
{
    return readText(readEigen, name, text, data);
}

} // namespace kavel
