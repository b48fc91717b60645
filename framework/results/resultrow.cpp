#include "resultrow.h"

#include "framework/surface/palette.h"

#include <cmath>

namespace kavel {

ResultRow& ResultRow::number(const QString& name, std::optional<double> value)
{
    if (value && std::isfinite(*value))
        fields.push_back({ name, *value });
    else
        fields.push_back({ name, std::monostate {} });
    return *this;
}

ResultRow& ResultRow::text(const QString& name, std::optional<QString> value)
{
    fields.push_back({ name, value ? ResultValue(*value) : ResultValue() });
    return *this;
}

ResultRow& ResultRow::verdict(const QString& name, std::optional<bool> value)
{
    fields.push_back({ name, value ? ResultValue(*value) : ResultValue() });
    return *this;
}

ResultRow& ResultRow::numbers(const QString& name, std::vector<double> values)
{
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    fields.push_back({ name, std::move(values) });
    return *this;
}

const ResultValue* ResultRow::field(const QString& name) const
{
    for (const ResultField& f : fields) {
        if (f.name == name)
            return &f.value;
    }
    return nullptr;
}

std::optional<double> ResultRow::numberOf(const QString& name) const
{
    const ResultValue* value = field(name);
    if (const double* n = value ? std::get_if<double>(value) : nullptr)
        return *n;
    return std::nullopt;
}

std::vector<std::optional<int>> DrawnCurveColours(int count, const std::function<bool(int curve)>& drawn)
{
    std::vector<std::optional<int>> colours;
    int next = 0;
    for (int curve = 1; curve <= count; ++curve)
        colours.push_back(drawn(curve) ? std::optional(Palette::curveColour(next++)) : std::nullopt);
    return colours;
}

std::vector<DrawnCurve> DrawnCurves(const std::vector<std::optional<int>>& colours)
{
    std::vector<DrawnCurve> curves;
    for (std::size_t k = 0; k < colours.size(); ++k) {
        if (colours[k])
            curves.push_back({ int(k) + 1, *colours[k] });
    }
    return curves;
}

ResultRows WithCurveColours(ResultRows rows, const QString& curve, const std::vector<std::optional<int>>& colours)
{
    for (ResultRow& row : rows) {
        const std::optional<double> n = row.numberOf(curve);
        row.colour = n && *n >= 1 && *n <= double(colours.size()) ? colours[std::size_t(*n) - 1] : std::nullopt;
    }
    return rows;
}

} // namespace kavel
