#include "numberparse.h"

#include <QString>
#include <cmath>
#include <algorithm>
#include <charconv>

namespace kavel::NumberParse {

namespace {

// Length of the longest prefix of text that forms a decimal number (optional
// sign, digits, optional point and digits, optional exponent E or D with
// optional sign and digits), and that prefix in C form in `out`.
qsizetype numberPrefix(QStringView text, QByteArray& out)
{
    out.clear();
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digitAt = [&](qsizetype k) { return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        out += char(text[i++].unicode());
    qsizetype digits = 0;
    while (digitAt(i)) {
        out += char(text[i++].unicode());
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        QByteArray fraction(".");
        while (digitAt(j)) {
            fraction += char(text[j++].unicode());
            ++digits;
        }
        if (digits > 0) {
            out += fraction;
            i = j;
        }
    }
    if (digits == 0) {
        out.clear();
        return 0;
    }
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E') || text[i] == QLatin1Char('d') || text[i] == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        QByteArray exponent("e");
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += char(text[j++].unicode());
        qsizetype expDigits = 0;
        while (digitAt(j)) {
            exponent += char(text[j++].unicode());
            ++expDigits;
        }
        if (expDigits > 0) {
            out += exponent;
            i = j;
        }
    }
    return i;
}

// Locale-independent: a Qt program runs under the user's locale, whose
// decimal sign may be a comma.
double toDouble(const QByteArray& text)
{
    const char* begin = text.constData();
    if (*begin == '+')
        ++begin;
    double value = 0.0;
    const auto result = std::from_chars(begin, text.constData() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow saturates to infinity, underflow to zero, as strtod does.
        const bool negative = *begin == '-';
        const char* e = std::find_if(begin, text.constData() + text.size(), [](char c) { return c == 'e'; });
        const bool hugeExponent = e != text.constData() + text.size() && e[1] != '-';
        return hugeExponent ? (negative ? -HUGE_VAL : HUGE_VAL) : (negative ? -0.0 : 0.0);
    }
    return value;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

std::optional<double> strict(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView body = text.mid(begin, end - begin);
    QByteArray number;
    if (body.isEmpty() || numberPrefix(body, number) != body.size())
        return std::nullopt;
    // A number beyond double range (1e400) is no number: kept as infinity it
    // would be written back as a text no reader takes.
    const double value = toDouble(number);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> strictInt16(QStringView text)
{
    const std::optional<double> value = strict(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding mode: ties to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

double lenient(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && isBlank(text[begin]))
        ++begin;
    QByteArray number;
    return numberPrefix(text.mid(begin), number) > 0 ? toDouble(number) : 0.0;
}

namespace {

// The field without the blanks and line feeds the rule ignores.
QString packedField(QStringView field)
{
    QString packed;
    packed.reserve(field.size());
    for (QChar c : field) {
        if (!isBlank(c) && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            packed += c;
    }
    return packed;
}

} // namespace

double leadingNumber(QStringView field)
{
    QByteArray number;
    return numberPrefix(packedField(field), number) > 0 ? toDouble(number) : 0.0;
}

bool hasLeadingNumber(QStringView field)
{
    QByteArray number;
    return numberPrefix(packedField(field), number) > 0;
}

} // namespace kavel::NumberParse
