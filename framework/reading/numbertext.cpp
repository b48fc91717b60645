#include "numbertext.h"

#include <cmath>
#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace kavel::NumberText {

namespace {

// Exponent form beyond these magnitudes, as the classic print routine does.
bool wantsExponent(double magnitude, int digits)
{
    return magnitude >= std::pow(10.0, digits) || magnitude < 1e-4;
}

QString trimMantissa(QString mantissa)
{
    if (mantissa.contains(QLatin1Char('.'))) {
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
    }
    return mantissa;
}

// Locale-independent formatting (a Qt program runs under the user's locale).
QString formatted(double value, std::chars_format format, int precision)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

namespace {

constexpr int kFastDigits = 15;

void dropLeadingZero(char* text, int& length)
{
    const int at = text[0] == '-' ? 1 : 0;
    if (length > at + 1 && text[at] == '0' && text[at + 1] == '.') {
        std::copy(text + at + 1, text + length, text + at);
        --length;
    }
}

// The general form of a finite, non-zero value with 1 to 15 digits, built
// from its digits rounded once: a decimal of at most 15 significant digits
// reads back from its nearest double unchanged, so the digits and the
// exponent of the rounded scientific form are those of the rounded number.
// Returns the length written to `out` (48 bytes suffice).
int generalChars(char* out, double value, int digits, LeadingZero zero)
{
    char scientific[48];
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, digits - 1).ptr;
    const char* e = std::find(static_cast<const char*>(scientific), end, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    const bool negative = scientific[0] == '-';
    // The significant digits, without sign and point.
    char mantissa[24];
    int count = 0;
    for (const char* c = scientific + (negative ? 1 : 0); c < e; ++c) {
        if (*c != '.')
            mantissa[count++] = *c;
    }
    int length = 0;
    auto trimmed = [&] {
        // Trailing zeros of a fraction go, then a bare point.
        if (std::find(out, out + length, '.') == out + length)
            return;
        while (out[length - 1] == '0')
            --length;
        if (out[length - 1] == '.')
            --length;
    };
    if (negative)
        out[length++] = '-';
    if (exponent >= digits || exponent < -4) {
        out[length++] = mantissa[0];
        out[length++] = '.';
        std::copy(mantissa + 1, mantissa + count, out + length);
        length += count - 1;
        trimmed();
        out[length++] = 'E';
        out[length++] = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out[length++] = '0';
        length = int(std::to_chars(out + length, out + 48, magnitude).ptr - out);
        return length;
    }
    if (exponent >= 0) {
        std::copy(mantissa, mantissa + exponent + 1, out + length);
        length += exponent + 1;
        if (count > exponent + 1) {
            out[length++] = '.';
            std::copy(mantissa + exponent + 1, mantissa + count, out + length);
            length += count - exponent - 1;
        }
    } else {
        out[length++] = '0';
        out[length++] = '.';
        for (int k = 1; k < -exponent; ++k)
            out[length++] = '0';
        std::copy(mantissa, mantissa + count, out + length);
        length += count;
    }
    trimmed();
    if (zero == LeadingZero::Drop)
        dropLeadingZero(out, length);
    return length;
}

bool fastForm(double value, int digits)
{
    return std::isfinite(value) && value != 0.0 && digits >= 1 && digits <= kFastDigits;
}

} // namespace

void appendGeneral(std::string& out, double value, int digits, LeadingZero zero)
{
    if (!fastForm(value, digits)) {
        out += general(value, digits, zero).toStdString();
        return;
    }
    char text[48];
    out.append(text, std::size_t(generalChars(text, value, digits, zero)));
}

QString general(double value, int digits, LeadingZero zero)
{
    if (fastForm(value, digits)) {
        char text[48];
        return QString::fromLatin1(text, generalChars(text, value, digits, zero));
    }
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0.0)
        return QStringLiteral("0");

    // Round to the wanted digits first: the rounding may carry into a new
    // decade (9.9999999 -> 10), which decides between the two forms.
    const QString scientific = formatted(value, std::chars_format::scientific, digits - 1);
    double rounded = 0.0;
    const QByteArray latin = scientific.toLatin1();
    std::from_chars(latin.constData(), latin.constData() + latin.size(), rounded);
    const double magnitude = std::fabs(rounded);

    QString text;
    if (wantsExponent(magnitude, digits)) {
        const qsizetype e = scientific.indexOf(QLatin1Char('e'));
        const int exponent = scientific.mid(e + 1).toInt();
        text = trimMantissa(scientific.left(e)) + QLatin1Char('E') + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
            + QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else {
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        const int decimals = std::max(0, digits - 1 - exponent);
        text = trimMantissa(formatted(rounded, std::chars_format::fixed, decimals));
    }
    if (zero == LeadingZero::Drop) {
        if (text.startsWith(QLatin1String("0.")))
            text.remove(0, 1);
        else if (text.startsWith(QLatin1String("-0.")))
            text.remove(1, 1);
    }
    return text;
}

QString printed(double value, int digits)
{
    const QString body = general(value, digits, LeadingZero::Drop);
    return (body.startsWith(QLatin1Char('-')) ? body : QLatin1Char(' ') + body) + QLatin1Char(' ');
}

namespace {

bool roundTrips(const QString& body, double value)
{
    QByteArray text = body.toLatin1().replace('E', 'e');
    if (text.startsWith('.'))
        text.prepend('0');
    else if (text.startsWith("-."))
        text.insert(1, '0');
    double back = 0.0;
    std::from_chars(text.constData(), text.constData() + text.size(), back);
    return back == value;
}

} // namespace

QString printedExact(double value)
{
    for (int digits = kDoubleDigits; digits <= 17; ++digits) {
        const QString body = general(value, digits, LeadingZero::Drop);
        if (!std::isfinite(value) || roundTrips(body, value) || digits == 17)
            return (body.startsWith(QLatin1Char('-')) ? body : QLatin1Char(' ') + body) + QLatin1Char(' ');
    }
    return printed(value);
}

QString plain(double value)
{
    return general(value, kDoubleDigits, LeadingZero::Keep);
}

namespace {

template <typename T>
QString shortestOf(T value)
{
    if (!std::isfinite(value))
        return {};
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QString shortest(double value)
{
    return shortestOf(value);
}

QString shortest(float value)
{
    return shortestOf(value);
}

} // namespace kavel::NumberText
