#pragma once

#include "resultrow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kavel {

// The report's three forms of a viewer's result rows.
namespace ResultFormat {

// A number in the shortest form that reads back to the same double ("0.1",
// "1500", "1e-07").
QString number(double value);
// A value for a person: numbers to 6 significant digits, a verdict "yes" or
// "no", a list blank-separated, none (and an empty list) as "-".
QString shown(const ResultValue& value);

// An aligned table, one block a kind of row (its header first, the kind in
// the first column), blocks parted by an empty line; numbers right-aligned.
// One line each; "(no results)" for no rows.
QStringList table(const ResultRows& rows);

// JSON Lines: one object a row, "kind" first, then the fields in order;
// none as null, a verdict as true or false, a list as an array. Numbers in
// their shortest form; one that is a single (as read from a result file) in
// the single's, with the digits the file gave ("6.50767").
QByteArray jsonLines(const ResultRows& rows);

// CSV with a header: "kind" and every field name in the order they first
// appear; a field a row does not have, or has none of, is empty; a verdict
// true or false, a list blank-separated. Quoted where a text needs it.
QByteArray csv(const ResultRows& rows);

} // namespace ResultFormat

} // namespace kavel
