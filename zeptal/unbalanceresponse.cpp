#include "unbalanceresponse.h"

#include "framework/reading/fieldreader.h"
#include "framework/reading/single.h"

#include <algorithm>
#include <limits>

namespace kavel {

namespace {

// A file still being written declares more than it holds yet; up to this
// many table cells are kept, zero until read. Beyond it the counts must fit
// the rest of the file: an amplitude and a phase take 22 characters, so n
// characters hold fewer than n / 11 cells.
constexpr double kCellsAlwaysAllowed = 1 << 16;
constexpr double kCharactersPerCell = 11;

ReaderDiagnostic readResponse(FieldReader& reader, UnbalanceResponse& data)
{
    const std::optional<QString> comment = reader.fileCommentAfter(QLatin1String(kResponseMarker));
    if (!comment)
        return reader.diagnostic();
    data.FileComment = *comment;

    const std::optional<qint16> ns = reader.int16();
    if (!ns)
        return reader.diagnostic();
    const std::optional<qint16> nc = reader.int16();
    if (!nc)
        return reader.diagnostic();

    data.speedCount = data.curveCount = 0;
    data.values = std::vector<float>(2, 0.f);
    if (*ns < 0 || *nc < 0) {
        reader.fail(QStringLiteral("the counts %1 × %2 are negative").arg(*ns).arg(*nc));
        return reader.diagnostic();
    }
    const double cells = (double(*ns) + 1) * (double(*nc) + 1);
    if (cells > std::max(kCellsAlwaysAllowed, double(reader.remaining()) / kCharactersPerCell + 1)) {
        reader.fail(QStringLiteral("the counts %1 × %2 are more than the file can hold").arg(*ns).arg(*nc));
        return reader.diagnostic();
    }
    data.speedCount = *ns;
    data.curveCount = *nc;
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

} // namespace

ReaderDiagnostic ReadUnbalanceResponse(const QString& path, UnbalanceResponse& data)
{
    return readFile(readResponse, path, data);
}

ReaderDiagnostic ReadUnbalanceResponseText(const QString& name, const QString& text, UnbalanceResponse& data)
{
    return readText(readResponse, name, text, data);
}

} // namespace kavel
