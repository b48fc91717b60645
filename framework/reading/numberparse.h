#pragma once

#include <QStringView>
#include <optional>

namespace kavel {

// The ways the suite turns texts into numbers.
namespace NumberParse {

// A whole field that must be a number (settings files, result counts):
// surrounding blanks allowed, nothing else. "1e3", "-.5" and "1D2" are numbers.
std::optional<double> strict(QStringView text);

// The same, rounded to the nearest integer (ties to even) and required to fit
// 16 bits, for the integer items of settings and result files.
std::optional<qint16> strictInt16(QStringView text);

// The editing dialogs' conversion: leading blanks skipped, the longest
// leading part that forms a number is taken, anything after it ignored, and a
// text with no leading number gives 0 ("12abc" is 12, "abc" is 0).
double lenient(QStringView text);

// The leading-number rule of fixed-column fields: blanks, tabs and line feeds
// are ignored wherever they stand; the longest leading run that forms a
// number (exponent letter E or D) gives the value; no number gives 0.
double leadingNumber(QStringView field);
// Whether that rule finds a number in the field at all.
bool hasLeadingNumber(QStringView field);

} // namespace NumberParse

} // namespace kavel
