#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace kavel {

// One value of a results row: none (a value that does not exist, such as an
// amplification factor whose half-power point was not found), a number, a
// text, a verdict, or a list of numbers (the nodes of a mode shape).
using ResultValue = std::variant<std::monostate, double, QString, bool, std::vector<double>>;

struct ResultField {
    QString name; // snake case, as the report's formats name the field
    ResultValue value;
    bool operator==(const ResultField&) const = default;
};

// One row of a viewer's engineering results: its kind ("crossing", "peak"),
// its fields in the order the report lists them, and the palette colour of
// the curve it belongs to, which the results panel shows as a swatch (none
// where the curve is not drawn or the row belongs to no curve).
struct ResultRow {
    QString kind;
    std::vector<ResultField> fields;
    std::optional<int> colour;

    explicit ResultRow(QString kind = {})
        : kind(std::move(kind))
    {
    }

    // A NaN or an infinity is no value either: it is kept as none.
    ResultRow& number(const QString& name, std::optional<double> value);
    ResultRow& text(const QString& name, std::optional<QString> value);
    ResultRow& verdict(const QString& name, std::optional<bool> value);
    ResultRow& numbers(const QString& name, std::vector<double> values);

    // The field of that name, nullptr when the row has none.
    const ResultValue* field(const QString& name) const;
    // The field's number; nullopt when it is none or not a number.
    std::optional<double> numberOf(const QString& name) const;

    bool operator==(const ResultRow&) const = default;
};

using ResultRows = std::vector<ResultRow>;

// The colours curves 1 … count take as a chart draws them: each drawn curve
// the next curve colour, a curve not drawn none.
std::vector<std::optional<int>> DrawnCurveColours(int count, const std::function<bool(int curve)>& drawn);

// The curves that take a colour, in order: what a chart draws of them.
struct DrawnCurve {
    int number; // from 1
    int colour;
};
std::vector<DrawnCurve> DrawnCurves(const std::vector<std::optional<int>>& colours);

// The rows, each given the colour of the curve its field `curve` numbers
// (from 1, as the colours are listed); none where the row has no such curve.
ResultRows WithCurveColours(ResultRows rows, const QString& curve, const std::vector<std::optional<int>>& colours);

} // namespace kavel
