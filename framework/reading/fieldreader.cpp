#include "fieldreader.h"

#include "numberparse.h"
#include "textfile.h"

#include <algorithm>

namespace kavel {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

FieldReader::FieldReader(const QString& path)
{
    m_diagnostic.file = path;
    if (std::optional<QString> text = TextFile::read(path)) {
        m_text = std::move(*text);
        m_opened = true;
    } else {
        m_line = 0;
        m_itemLine = 0;
        m_diagnostic.reason = QStringLiteral("cannot be opened");
    }
}

FieldReader::FieldReader(const QString& name, const QString& text)
    : m_text(text)
    , m_opened(true)
{
    m_diagnostic.file = name;
}

void FieldReader::fail(const QString& reason)
{
    if (!m_diagnostic.complete())
        return;
    m_diagnostic.line = m_itemLine;
    m_diagnostic.field = m_fieldCount;
    m_diagnostic.reason = reason;
}

void FieldReader::failInLine(int field, const QString& reason)
{
    if (!m_diagnostic.complete())
        return;
    fail(reason);
    m_diagnostic.field = field;
}

bool FieldReader::expectNumbers(QStringView line, int count, const QString& what, int firstColumn, int width)
{
    for (int k = 1; k <= count && ok(); ++k) {
        const qint64 start = qint64(firstColumn - 1) + qint64(width) * (k - 1);
        if (start >= line.size())
            break;
        const QStringView field = line.mid(start, std::min<qint64>(width, line.size() - start));
        const bool words = std::any_of(field.begin(), field.end(), [](QChar c) { return c.isLetter(); });
        if (words && !NumberParse::hasLeadingNumber(field))
            failInLine(k, QStringLiteral("columns %1 to %2 hold \"%3\", not %4").arg(start + 1).arg(start + field.size()).arg(field.trimmed().toString(), what));
    }
    return ok();
}

bool FieldReader::expectCountsNotNegative(std::span<const qint16> counts)
{
    if (std::all_of(counts.begin(), counts.end(), [](qint16 count) { return count >= 0; }))
        return ok();
    if (counts.size() == 1) {
        fail(QStringLiteral("the count %1 is negative").arg(counts[0]));
        return false;
    }
    // "the counts 3 and -1 are not both 0 or more", "the counts 1, 2 and -3
    // are not all 0 or more"
    QString named = QString::number(counts[0]);
    for (std::size_t k = 1; k < counts.size(); ++k)
        named += (k + 1 == counts.size() ? QStringLiteral(" and ") : QStringLiteral(", ")) + QString::number(counts[k]);
    fail(QStringLiteral("the counts %1 are not %2 0 or more").arg(named, counts.size() == 2 ? QStringLiteral("both") : QStringLiteral("all")));
    return false;
}

bool FieldReader::expectTableCounts(qint16 n1, qint16 n2, double cells)
{
    constexpr double kCellsAlwaysAllowed = 1 << 16;
    // An eigenvalue, or an amplitude and its phase, takes two 11-column
    // fields: n characters hold fewer than n / 22 cells, and n / 11 leaves
    // room for abbreviated lines.
    constexpr double kCharactersPerCell = 11;
    if (cells > std::max(kCellsAlwaysAllowed, double(remaining()) / kCharactersPerCell + 1))
        fail(QStringLiteral("the counts %1 × %2 are more than the file can hold").arg(n1).arg(n2));
    return ok();
}

void FieldReader::expectEnd(const QString& counts)
{
    if (!ok())
        return;
    finishLine();
    while (!atEnd()) {
        const std::optional<QStringView> line = lineView();
        if (line && !line->trimmed().isEmpty()) {
            failInLine(0, QStringLiteral("the file goes on past the lines called for by its %1").arg(counts));
            return;
        }
    }
}

bool FieldReader::atLineEnd() const
{
    return m_pos >= m_text.size() || isLineEnd(m_text.at(m_pos));
}

// CR LF, LF and a lone CR each end one line.
void FieldReader::consumeLineEnd()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text.at(m_pos) == QLatin1Char('\r')) {
        ++m_pos;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\n'))
            ++m_pos;
    } else if (m_text.at(m_pos) == QLatin1Char('\n')) {
        ++m_pos;
    }
    ++m_line;
}

void FieldReader::skipBlanks()
{
    while (m_pos < m_text.size() && isBlank(m_text.at(m_pos)))
        ++m_pos;
}

// Line ends between items are separators like blanks.
bool FieldReader::skipToNextItem()
{
    for (;;) {
        skipBlanks();
        m_itemLine = m_line;
        if (m_pos >= m_text.size()) {
            fail(QStringLiteral("the file ends before this item"));
            return false;
        }
        if (!isLineEnd(m_text.at(m_pos)))
            return true;
        consumeLineEnd();
    }
}

void FieldReader::consumeDelimiter()
{
    skipBlanks();
    m_atLineStart = false;
    if (m_pos >= m_text.size())
        return;
    if (m_text.at(m_pos) == QLatin1Char(',')) {
        ++m_pos;
    } else if (isLineEnd(m_text.at(m_pos))) {
        consumeLineEnd();
        m_atLineStart = true;
    }
}

std::optional<QStringView> FieldReader::fieldView()
{
    if (!ok())
        return std::nullopt;
    ++m_fieldCount;
    if (!skipToNextItem())
        return std::nullopt;
    const qsizetype begin = m_pos;
    while (m_pos < m_text.size() && !isBlank(m_text.at(m_pos)) && !isLineEnd(m_text.at(m_pos)) && m_text.at(m_pos) != QLatin1Char(','))
        ++m_pos;
    const QStringView text = QStringView(m_text).mid(begin, m_pos - begin);
    consumeDelimiter();
    return text;
}

std::optional<QString> FieldReader::field()
{
    const std::optional<QStringView> text = fieldView();
    if (!text)
        return std::nullopt;
    return text->toString();
}

std::optional<double> FieldReader::number()
{
    const std::optional<QStringView> text = fieldView();
    if (!text)
        return std::nullopt;
    // An empty field between two commas reads as 0, as a blank number would.
    if (text->isEmpty())
        return 0.0;
    const std::optional<double> value = NumberParse::strict(*text);
    if (!value)
        fail(QStringLiteral("\"%1\" is not a number").arg(text->left(40)));
    return value;
}

std::optional<qint16> FieldReader::int16()
{
    const std::optional<QStringView> text = fieldView();
    if (!text)
        return std::nullopt;
    if (text->isEmpty())
        return qint16(0);
    const std::optional<qint16> value = NumberParse::strictInt16(*text);
    if (!value)
        fail(QStringLiteral("\"%1\" is not a 16-bit integer").arg(text->left(40)));
    return value;
}

std::optional<QString> FieldReader::textItem()
{
    if (!ok())
        return std::nullopt;
    ++m_fieldCount;
    if (!skipToNextItem())
        return std::nullopt;
    const qsizetype begin = m_pos;
    while (m_pos < m_text.size() && !isLineEnd(m_text.at(m_pos)) && m_text.at(m_pos) != QLatin1Char(','))
        ++m_pos;
    const QString text = m_text.mid(begin, m_pos - begin);
    consumeDelimiter();
    return text;
}

std::optional<QString> FieldReader::fileComment()
{
    if (!ok() || !lineView())
        return std::nullopt;
    return wholeLine();
}

std::optional<QString> FieldReader::fileCommentAfter(QLatin1String marker)
{
    if (!skipPastMarker(marker))
        return std::nullopt;
    return wholeLine();
}

bool FieldReader::skipPastMarker(QLatin1String marker)
{
    if (!ok())
        return false;
    while (!atEnd()) {
        const std::optional<QStringView> line = lineView();
        if (*line == marker || *line == QLatin1String(" "))
            return true;
    }
    m_itemLine = m_line;
    fail(QStringLiteral("the file ends without the line \"%1\" its data follow").arg(marker));
    return false;
}

std::optional<QStringView> FieldReader::lineView()
{
    if (!ok())
        return std::nullopt;
    m_itemLine = m_line;
    if (m_pos >= m_text.size()) {
        fail(QStringLiteral("the file ends before this line"));
        return std::nullopt;
    }
    const qsizetype begin = m_pos;
    while (!atLineEnd())
        ++m_pos;
    const QStringView line = QStringView(m_text).mid(begin, m_pos - begin);
    consumeLineEnd();
    m_atLineStart = true;
    return line;
}

std::optional<QString> FieldReader::wholeLine()
{
    const std::optional<QStringView> line = lineView();
    if (!line)
        return std::nullopt;
    return line->toString();
}

void FieldReader::finishLine()
{
    if (m_atLineStart)
        return;
    while (!atLineEnd())
        ++m_pos;
    consumeLineEnd();
    m_atLineStart = true;
}

double fixedColumnField(QStringView line, int k, int firstColumn, int width)
{
    if (k < 1 || width < 1)
        return 0.0;
    const qint64 start = qint64(firstColumn - 1) + qint64(width) * (k - 1);
    if (start < 0 || start >= line.size())
        return 0.0;
    return NumberParse::leadingNumber(line.mid(start, std::min<qint64>(width, line.size() - start)));
}

} // namespace kavel
