#pragma once

#include <QString>
#include <string>

namespace kavel {

// The number forms in which the suite prints and writes numbers.
namespace NumberText {

// Digits of the double-precision and the single-precision forms.
inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

// The bare shortest general decimal form with up to `digits` significant
// digits: a point as decimal sign, no thousands separators, an exponent
// ("E+15", "E-05") only for very large or very small magnitudes, "0" for zero.
// With LeadingZero::Drop a magnitude below 1 loses its 0 (".5", "-.5").
enum class LeadingZero { Keep, Drop };
QString general(double value, int digits = kDoubleDigits, LeadingZero zero = LeadingZero::Keep);
// The same form appended to `out` as Latin-1 bytes, for writers of many
// numbers (the JSON Lines of a chart).
void appendGeneral(std::string& out, double value, int digits = kDoubleDigits, LeadingZero zero = LeadingZero::Keep);

// The number text printed on charts and written to settings files: the
// general form without the leading zero, preceded by a blank when the number
// is not negative and followed by one blank (" 0 ", " .5 ", "-100 ").
QString printed(double value, int digits = kDoubleDigits);

// As printed(), but with as many digits as it takes for the text to read
// back to the same double (15 when they suffice, which they do for every
// number a user typed): the settings writer's form.
QString printedExact(double value);

// The plain form shown in an editing dialog's text box: no blanks, the
// leading zero kept ("0.5", "-100").
QString plain(double value);

// The fewest characters that read back to the same double, or to the same
// single ("0.1", "1e+20", "-3.5e-07"): the form of data written for other
// programs. Empty for a value that is not finite.
QString shortest(double value);
QString shortest(float value);

} // namespace NumberText

} // namespace kavel
