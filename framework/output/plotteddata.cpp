#include "plotteddata.h"

#include "framework/reading/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kavel {

namespace {

QString field(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// Two sample columns are one when they hold the same values (NaN and NaN
// alike).
bool sameSamples(const std::vector<double>& a, const std::vector<double>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](double p, double q) { return p == q || (std::isnan(p) && std::isnan(q)); });
}

struct Run {
    QString keyName;
    const std::vector<double>* key;
    std::vector<std::pair<QString, const std::vector<double>*>> columns;
};

} // namespace

QString plottedNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    // The lower half's radius 0 is 0, not -0.
    if (value == 0)
        value = 0;
    const float single = float(value);
    if (double(single) == value)
        return NumberText::shortest(single);
    return NumberText::shortest(value);
}

PlottedData PlottedData::of(const std::vector<PlotArea>& areas)
{
    std::vector<Run> runs;
    for (const PlotArea& area : areas) {
        const std::size_t first = runs.size();
        for (const PlotCurve& curve : area.curves) {
            const bool path = !curve.t.empty();
            const std::vector<double>& key = path ? curve.t : curve.x;
            auto run = std::find_if(runs.begin() + std::ptrdiff_t(first), runs.end(),
                [&](const Run& r) { return (r.keyName == (path ? area.parameter : area.x.name)) && sameSamples(*r.key, key); });
            if (run == runs.end()) {
                runs.push_back({ path ? area.parameter : area.x.name, &key, {} });
                run = runs.end() - 1;
            }
            const QString axis = area.axisOf(curve).name;
            if (path)
                run->columns.emplace_back(curve.name + QLatin1Char(' ') + area.x.name, &curve.x);
            run->columns.emplace_back(curve.name + QLatin1Char(' ') + axis, &curve.y);
        }
    }
    PlottedData data;
    for (const Run& run : runs) {
        data.header << run.keyName;
        data.columns.push_back(*run.key);
        for (const auto& [name, values] : run.columns) {
            data.header << name;
            data.columns.push_back(*values);
        }
    }
    return data;
}

QByteArray PlottedData::csv() const
{
    QStringList names;
    for (const QString& name : header)
        names << field(name);
    QString text = names.join(QLatin1Char(',')) + QLatin1String("\r\n");
    std::size_t rows = 0;
    for (const auto& column : columns)
        rows = std::max(rows, column.size());
    for (std::size_t row = 0; row < rows; ++row) {
        QStringList cells;
        for (const auto& column : columns)
            cells << (row < column.size() ? plottedNumber(column[row]) : QString());
        text += cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace kavel
