#include "quasimodalmodel.h"

#include "framework/reading/fieldreader.h"
#include "framework/reading/numberparse.h"

#include <QStringList>

#include <climits>
#include <cmath>

namespace kavel {

namespace {

constexpr double kMaxStationCells = 32767.0 * 256;

// A value takes at least one character and a separator: a count beyond half
// of what is left of the file cannot be honest, and is not allocated.
bool fitsInRest(const FieldReader& reader, double values)
{
    return values <= double(reader.remaining()) / 2 + 1;
}

bool isCount(double value)
{
    return std::isfinite(value) && value >= 0 && value == std::floor(value) && value <= 1e9;
}

std::optional<qint64> readCount(FieldReader& reader, const QString& what)
{
    const std::optional<double> value = reader.number();
    if (!value)
        return std::nullopt;
    if (!isCount(*value)) {
        reader.fail(QStringLiteral("%1 %2 is not a count").arg(what).arg(*value));
        return std::nullopt;
    }
    return qint64(*value);
}

// A line of counts read by their columns holds each count in its six
// columns; a line of another kind of file read as counts leaves some of them
// blank, and the read stops there. The last line of a file cut short is
// left to the next read, which says that the file ends.
bool expectCountLine(FieldReader& reader, QStringView line, const QStringList& counts, const QString& whose)
{
    if (reader.atEnd())
        return true;
    for (int k = 0; k < int(counts.size()); ++k) {
        if (!NumberParse::hasLeadingNumber(line.mid(std::min<qsizetype>(6 * k, line.size()), 6))) {
            reader.failInLine(k + 1, QStringLiteral("%1 has no %2 in columns %3 to %4").arg(whose, counts[k]).arg(6 * k + 1).arg(6 * k + 6));
            return false;
        }
    }
    return true;
}

// A count standing in columns first .. first + 5 of a line.
std::optional<qint64> columnCount(FieldReader& reader, const QString& line, int first, const QString& what)
{
    const double value = fixedColumnField(line, 1, first, 6);
    if (!isCount(value)) {
        reader.fail(QStringLiteral("%1 %2 is not a count").arg(what).arg(value));
        return std::nullopt;
    }
    return qint64(value);
}

bool readValues(FieldReader& reader, ModelBlock& block, int number, bool keep)
{
    const double count = double(block.rows) * double(block.cols);
    if (!fitsInRest(reader, count)) {
        reader.fail(QStringLiteral("block %1 declares %2 values, more than the file holds").arg(number).arg(block.rows * block.cols));
        return false;
    }
    if (keep)
        block.x.reserve(std::size_t(count));
    for (qint64 k = 0; k < qint64(count); ++k) {
        const std::optional<double> v = reader.number();
        if (!v)
            return false;
        if (keep)
            block.x.push_back(float(*v));
    }
    return true;
}

bool readMatrixCounts(FieldReader& reader, ModelBlock& block, int number, bool byColumn)
{
    const QString name = QStringLiteral("block %1").arg(number);
    if (byColumn) {
        const std::optional<QString> line = reader.wholeLine();
        if (!line)
            return false;
        const std::optional<qint64> rows = columnCount(reader, *line, 1, name + QStringLiteral(" row count"));
        const std::optional<qint64> cols = rows ? columnCount(reader, *line, 7, name + QStringLiteral(" column count")) : std::nullopt;
        if (!cols)
            return false;
        block.rows = *rows;
        block.cols = *cols;
        return expectCountLine(reader, *line, { QStringLiteral("row count"), QStringLiteral("column count") }, QStringLiteral("the line of %1").arg(name));
    }
    const std::optional<qint64> rows = readCount(reader, name + QStringLiteral(" row count"));
    if (!rows)
        return false;
    block.rows = *rows;
    if (number == 8) {
        // Block 8's column count is a 16-bit integer.
        const std::optional<qint16> cols = reader.int16();
        if (!cols)
            return false;
        if (*cols < 0) {
            reader.fail(QStringLiteral("block 8 column count %1 is negative").arg(*cols));
            return false;
        }
        block.cols = *cols;
        return true;
    }
    const std::optional<qint64> cols = readCount(reader, name + QStringLiteral(" column count"));
    if (!cols)
        return false;
    block.cols = *cols;
    return true;
}

bool readBlock(FieldReader& reader, ModelBlock& block, int number, const QuasiModalReading& how)
{
    if (number == 3 || number == 5) {
        const std::optional<qint64> length = readCount(reader, QStringLiteral("block %1 length").arg(number));
        if (!length)
            return false;
        block.rows = *length;
        block.cols = 1;
        return readValues(reader, block, number, true);
    }
    if (!readMatrixCounts(reader, block, number, how.countsByColumn))
        return false;
    return readValues(reader, block, number, how.keepMatrixBlocks);
}

bool readTableCounts(FieldReader& reader, QuasiModalModel& m, const QuasiModalReading& how)
{
    if (how.countsByColumn) {
        const std::optional<QString> line = reader.wholeLine();
        if (!line)
            return false;
        const std::optional<qint64> p = columnCount(reader, *line, 1, QStringLiteral("p"));
        const std::optional<qint64> q = p ? columnCount(reader, *line, 7, QStringLiteral("q")) : std::nullopt;
        if (!q)
            return false;
        // nz is a 16-bit integer, rounded.
        const double nz = std::round(fixedColumnField(*line, 1, 13, 6));
        if (!(nz >= 0 && nz <= SHRT_MAX)) {
            reader.fail(QStringLiteral("station count %1 is not a 16-bit count").arg(nz));
            return false;
        }
        m.p = *p;
        m.q = *q;
        m.nz = qint64(nz);
        return expectCountLine(reader, *line, { QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("nz") }, QStringLiteral("the line of the station table"));
    }
    const std::optional<qint64> p = readCount(reader, QStringLiteral("p"));
    const std::optional<qint64> q = p ? readCount(reader, QStringLiteral("q")) : std::nullopt;
    const std::optional<qint64> nz = q ? readCount(reader, QStringLiteral("nz")) : std::nullopt;
    if (!nz)
        return false;
    m.p = *p;
    m.q = *q;
    m.nz = *nz;
    return true;
}

ReaderDiagnostic readModel(FieldReader& reader, QuasiModalModel& m, const QuasiModalReading& how)
{
    if (!reader.textItem())
        return reader.diagnostic();
    std::optional<QString> title = reader.wholeLine();
    if (!title)
        return reader.diagnostic();
    m.title = *title;
    for (int b = 1; b <= 8; ++b) {
        if (!readBlock(reader, m.block[b], b, how))
            return reader.diagnostic();
    }
    if (!readTableCounts(reader, m, how))
        return reader.diagnostic();
    // Every station has a line of its own, and each value at least a column;
    // fields past a short line's end are 0, but never more of them than the
    // file could hold a second time, nor more than a table of the largest
    // models by far (32767 stations × 256 columns): a file of 10 MB could
    // otherwise claim 160 million zeros.
    const double cells = double(m.nz) * double(m.p + m.q);
    if (!fitsInRest(reader, double(m.nz) * 2) || !fitsInRest(reader, double(m.p + m.q) * 2)
        || cells > double(reader.remaining()) * 16 + 65536 || cells > kMaxStationCells) {
        reader.fail(QStringLiteral("the station table of %1 stations × %2 columns is more than the file holds").arg(m.nz).arg(m.p + m.q));
        return reader.diagnostic();
    }
    const std::optional<QStringView> zLine = reader.lineView();
    if (!zLine)
        return reader.diagnostic();
    m.Z.reserve(std::size_t(m.nz));
    for (qint64 k = 1; k <= m.nz; ++k)
        m.Z.push_back(float(fixedColumnField(*zLine, int(std::min<qint64>(k, INT_MAX)))));
    const qint64 columns = m.p + m.q;
    for (qint64 i = 1; i <= m.nz; ++i) {
        const std::optional<QStringView> line = reader.lineView();
        if (!line)
            return reader.diagnostic();
        std::vector<float> row;
        row.reserve(std::size_t(columns));
        for (qint64 j = 1; j <= columns; ++j)
            row.push_back(float(fixedColumnField(*line, int(std::min<qint64>(j, INT_MAX)))));
        m.T.push_back(std::move(row));
    }
    return reader.diagnostic();
}

} // namespace

std::optional<float> ModelBlock::at(qint64 k) const
{
    if (k < 1 || k > qint64(x.size()))
        return std::nullopt;
    return x[std::size_t(k - 1)];
}

ReaderDiagnostic ReadQuasiModalModel(const QString& path, QuasiModalModel& model, const QuasiModalReading& how)
{
    return readFile(readModel, path, model, how);
}

ReaderDiagnostic ReadQuasiModalModelText(const QString& name, const QString& text, QuasiModalModel& model, const QuasiModalReading& how)
{
    return readText(readModel, name, text, model, how);
}

} // namespace kavel
