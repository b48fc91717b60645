#include "resultformat.h"

#include "framework/reading/numbertext.h"
#include "framework/reading/single.h"

#include <charconv>

namespace kavel::ResultFormat {

namespace {

// A value read from a file as a single keeps the digits the file gave
// (6.50767, not 6.507669925689697): its single's shortest form, which reads
// back to that single.
QString written(double value)
{
    if (!Single::fits(value) || double(float(value)) != value)
        return number(value);
    char buffer[64];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, float(value));
    return QString::fromLatin1(buffer, end.ptr - buffer);
}

QString numbersJoined(const std::vector<double>& values, QChar separator)
{
    QStringList texts;
    for (double v : values)
        texts << written(v);
    return texts.join(separator);
}

QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString jsonValue(const ResultValue& value)
{
    if (const double* n = std::get_if<double>(&value))
        return written(*n);
    if (const QString* text = std::get_if<QString>(&value))
        return jsonString(*text);
    if (const bool* verdict = std::get_if<bool>(&value))
        return *verdict ? QStringLiteral("true") : QStringLiteral("false");
    if (const auto* list = std::get_if<std::vector<double>>(&value))
        return QLatin1Char('[') + numbersJoined(*list, QLatin1Char(',')) + QLatin1Char(']');
    return QStringLiteral("null");
}

QString csvText(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvValue(const ResultValue& value)
{
    if (const double* n = std::get_if<double>(&value))
        return written(*n);
    if (const QString* text = std::get_if<QString>(&value))
        return csvText(*text);
    if (const bool* verdict = std::get_if<bool>(&value))
        return *verdict ? QStringLiteral("true") : QStringLiteral("false");
    if (const auto* list = std::get_if<std::vector<double>>(&value))
        return numbersJoined(*list, QLatin1Char(' '));
    return {};
}

bool rightAligned(const ResultValue& value)
{
    return std::holds_alternative<double>(value);
}

} // namespace

QString number(double value)
{
    char buffer[64];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, end.ptr - buffer);
}

QString shown(const ResultValue& value)
{
    if (const double* n = std::get_if<double>(&value))
        return NumberText::general(*n, 6);
    if (const QString* text = std::get_if<QString>(&value))
        return *text;
    if (const bool* verdict = std::get_if<bool>(&value))
        return *verdict ? QStringLiteral("yes") : QStringLiteral("no");
    if (const auto* list = std::get_if<std::vector<double>>(&value); list && !list->empty()) {
        QStringList texts;
        for (double v : *list)
            texts << NumberText::general(v, 6);
        return texts.join(QLatin1Char(' '));
    }
    return QStringLiteral("-");
}

QStringList table(const ResultRows& rows)
{
    if (rows.empty())
        return { QStringLiteral("(no results)") };
    QStringList lines;
    for (std::size_t start = 0; start < rows.size();) {
        // A block: the rows that follow of the same kind and fields.
        std::size_t end = start + 1;
        auto sameFields = [&](const ResultRow& a, const ResultRow& b) {
            if (a.kind != b.kind || a.fields.size() != b.fields.size())
                return false;
            for (std::size_t k = 0; k < a.fields.size(); ++k) {
                if (a.fields[k].name != b.fields[k].name)
                    return false;
            }
            return true;
        };
        while (end < rows.size() && sameFields(rows[start], rows[end]))
            ++end;

        const ResultRow& first = rows[start];
        std::vector<QStringList> cells(end - start + 1);
        std::vector<bool> right(first.fields.size() + 1, false);
        cells[0] << QStringLiteral("kind");
        for (const ResultField& f : first.fields)
            cells[0] << f.name;
        for (std::size_t r = start; r < end; ++r) {
            QStringList& line = cells[r - start + 1];
            line << rows[r].kind;
            for (std::size_t k = 0; k < rows[r].fields.size(); ++k) {
                line << shown(rows[r].fields[k].value);
                if (rightAligned(rows[r].fields[k].value))
                    right[k + 1] = true;
            }
        }
        std::vector<qsizetype> width(right.size(), 0);
        for (const QStringList& line : cells) {
            for (qsizetype k = 0; k < line.size(); ++k)
                width[std::size_t(k)] = std::max(width[std::size_t(k)], line[k].size());
        }
        if (!lines.isEmpty())
            lines << QString();
        for (const QStringList& line : cells) {
            QStringList padded;
            for (qsizetype k = 0; k < line.size(); ++k) {
                const qsizetype w = width[std::size_t(k)];
                padded << (right[std::size_t(k)] ? line[k].rightJustified(w) : line[k].leftJustified(w));
            }
            QString text = padded.join(QStringLiteral("  "));
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            lines << text;
        }
        start = end;
    }
    return lines;
}

QByteArray jsonLines(const ResultRows& rows)
{
    QByteArray bytes;
    for (const ResultRow& row : rows) {
        QString line = QStringLiteral("{\"kind\":") + jsonString(row.kind);
        for (const ResultField& f : row.fields)
            line += QLatin1Char(',') + jsonString(f.name) + QLatin1Char(':') + jsonValue(f.value);
        bytes += line.toUtf8() + "}\n";
    }
    return bytes;
}

QByteArray csv(const ResultRows& rows)
{
    QStringList header { QStringLiteral("kind") };
    for (const ResultRow& row : rows) {
        for (const ResultField& f : row.fields) {
            if (!header.contains(f.name))
                header << f.name;
        }
    }
    QByteArray bytes = header.join(QLatin1Char(',')).toUtf8() + '\n';
    for (const ResultRow& row : rows) {
        QStringList line { csvText(row.kind) };
        for (qsizetype k = 1; k < header.size(); ++k) {
            const ResultValue* value = row.field(header[k]);
            line << (value ? csvValue(*value) : QString());
        }
        bytes += line.join(QLatin1Char(',')).toUtf8() + '\n';
    }
    return bytes;
}

} // namespace kavel::ResultFormat
