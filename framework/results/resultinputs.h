#pragma once

#include "separationmargin.h"

#include <QFlags>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kavel {

// What the user gives a viewer's results: the excitation orders of the
// Campbell chart, the operating range of the response, the bearing
// stiffnesses and curve kind of the critical speed map, and whether the
// results are marked on the chart. Each viewer takes only some of them.
enum class ResultInput {
    Orders = 1,
    Operating = 2,
    Stiffness = 4,
    CurveKind = 8,
    Markers = 16,
};
Q_DECLARE_FLAGS(ResultInputKinds, ResultInput)
Q_DECLARE_OPERATORS_FOR_FLAGS(ResultInputKinds)

struct ResultInputs {
    std::vector<double> orders { 1 };
    std::optional<OperatingRange> operating;
    std::vector<double> stiffness;
    std::optional<int> curve; // a curve kind 0..2; none: every kind
    bool markers = false;
    bool operator==(const ResultInputs&) const = default;
};

// The inputs as options, for the command line ("--option orders=1,2") and
// the results file alike: orders=K[,K...] (positive numbers),
// operating=MIN,MAX (0 < MIN < MAX), stiffness=K[,K...] (positive numbers),
// curve=0|1|2, markers=0|1.
namespace ResultOptions {

// At most this many orders or stiffnesses: each multiplies the rows.
inline constexpr int kMaxValues = 64;

// The option name of an input ("orders").
QString name(ResultInput input);
// The input an option names, when it is one of `kinds`.
std::optional<ResultInput> inputNamed(const QString& name, ResultInputKinds kinds);

// Sets `input` from an option's values: empty when set, else why the
// values do not fit, naming the option ("operating=5,3: MIN must be below
// MAX"); the inputs are then as they were. An empty value ("stiffness=")
// takes back the stiffnesses, the operating range or the curve kind.
QString set(ResultInputs& inputs, ResultInput input, const QStringList& values);
// The option's values as set() takes them back ("1,2"); empty for an input
// that is not given (no operating range, every curve kind).
QString values(const ResultInputs& inputs, ResultInput input);

// "NAME=VALUES" for each of `kinds`, as a usage lists them.
QStringList usage(ResultInputKinds kinds);

} // namespace ResultOptions

} // namespace kavel
