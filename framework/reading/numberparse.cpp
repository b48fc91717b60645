#include "numberparse.h"

#include <QString>
#include <cmath>
#include <algorithm>
#include <charconv>
#include <string>

namespace kavel::NumberParse {

namespace {

// Characters held on the stack for the usual short number, on the heap for
// an unusually long one (a field of a thousand digits).
class NumberChars {
public:
    void clear() { m_size = 0; }
    void append(char c)
    {
        if (m_size == qsizetype(sizeof m_small) && m_large.empty())
            m_large.assign(m_small, m_small + m_size);
        if (!m_large.empty() || m_size >= qsizetype(sizeof m_small))
            m_large.push_back(c);
        else
            m_small[m_size] = c;
        ++m_size;
    }
    const char* data() const { return m_large.empty() ? m_small : m_large.data(); }
    qsizetype size() const { return m_size; }

private:
    char m_small[64];
    std::string m_large;
    qsizetype m_size = 0;
};

// Length of the longest prefix of text that forms a decimal number (optional
// sign, digits, optional point and digits, optional exponent E or D with
// optional sign and digits), and that prefix in C form in `out`. `at(k)`
// gives character k as a char (anything but ASCII as a char no number holds).
template <typename At>
qsizetype numberPrefix(qsizetype n, At at, NumberChars& out)
{
    out.clear();
    qsizetype i = 0;
    auto digitAt = [&](qsizetype k) { return k < n && at(k) >= '0' && at(k) <= '9'; };
    if (i < n && (at(i) == '+' || at(i) == '-'))
        out.append(at(i++));
    qsizetype digits = 0;
    while (digitAt(i)) {
        out.append(at(i++));
        ++digits;
    }
    if (i < n && at(i) == '.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (digitAt(j + fraction))
            ++fraction;
        if (digits + fraction > 0) {
            out.append('.');
            for (qsizetype k = 0; k < fraction; ++k)
                out.append(at(j + k));
            digits += fraction;
            i = j + fraction;
        }
    }
    if (digits == 0) {
        out.clear();
        return 0;
    }
    if (i < n && (at(i) == 'e' || at(i) == 'E' || at(i) == 'd' || at(i) == 'D')) {
        qsizetype j = i + 1;
        const bool sign = j < n && (at(j) == '+' || at(j) == '-');
        const qsizetype first = sign ? j + 1 : j;
        qsizetype expDigits = 0;
        while (digitAt(first + expDigits))
            ++expDigits;
        if (expDigits > 0) {
            out.append('e');
            for (qsizetype k = j; k < first + expDigits; ++k)
                out.append(at(k));
            i = first + expDigits;
        }
    }
    return i;
}

char latin(QChar c)
{
    return c.unicode() < 0x80 ? char(c.unicode()) : '\x7f';
}

qsizetype numberPrefix(QStringView text, NumberChars& out)
{
    return numberPrefix(text.size(), [&](qsizetype k) { return latin(text[k]); }, out);
}

// Locale-independent: a Qt program runs under the user's locale, whose
// decimal sign may be a comma.
double toDouble(const NumberChars& number)
{
    const char* begin = number.data();
    const char* end = begin + number.size();
    if (*begin == '+')
        ++begin;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow saturates to infinity, underflow to zero, as strtod does.
        const bool negative = *begin == '-';
        const char* e = std::find(begin, end, 'e');
        const bool hugeExponent = e != end && e[1] != '-';
        return hugeExponent ? (negative ? -HUGE_VAL : HUGE_VAL) : (negative ? -0.0 : 0.0);
    }
    return value;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The usual number at speed: where from_chars reads the whole text as a
// decimal that starts with a digit, a point or a minus, the rule above
// reads it whole too and gives the same value. Anything else (a plus sign,
// a D exponent, a text that only starts with a number, a range error) is
// left to the rule.
std::optional<double> plainNumber(const char* begin, const char* end)
{
    const char* first = begin != end && *begin == '-' ? begin + 1 : begin;
    if (first == end || !((*first >= '0' && *first <= '9') || *first == '.'))
        return std::nullopt;
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

// The text as ASCII chars in `out` when it is short and all ASCII.
bool asciiChars(QStringView text, char (&out)[64])
{
    if (text.size() > qsizetype(sizeof out))
        return false;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = text[k].unicode();
        if (c >= 0x80)
            return false;
        out[k] = char(c);
    }
    return true;
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
    char chars[64];
    if (asciiChars(body, chars)) {
        if (const std::optional<double> value = plainNumber(chars, chars + body.size()))
            return value;
    }
    NumberChars number;
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
    NumberChars number;
    return numberPrefix(text.mid(begin), number) > 0 ? toDouble(number) : 0.0;
}

namespace {

// The leading-number rule over the field without the blanks and line feeds
// it ignores; nullopt when the field holds no number.
std::optional<double> leadingValue(QStringView field)
{
    // Mostly an 11-column field: its kept characters fit on the stack.
    char small[64];
    std::string large;
    char* chars = small;
    if (field.size() > qsizetype(sizeof small)) {
        large.resize(std::size_t(field.size()));
        chars = large.data();
    }
    qsizetype n = 0;
    for (QChar c : field) {
        if (!isBlank(c) && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            chars[n++] = latin(c);
    }
    if (const std::optional<double> value = plainNumber(chars, chars + n))
        return value;
    NumberChars number;
    if (numberPrefix(n, [&](qsizetype k) { return chars[k]; }, number) == 0)
        return std::nullopt;
    return toDouble(number);
}

} // namespace

double leadingNumber(QStringView field)
{
    return leadingValue(field).value_or(0.0);
}

bool hasLeadingNumber(QStringView field)
{
    return leadingValue(field).has_value();
}

} // namespace kavel::NumberParse
