#include "resultrow.h"

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

} // namespace kavel
