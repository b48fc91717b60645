#include "vieweroptions.h"

#include <algorithm>

namespace kavel {

void ViewerOptions::add(const QString& name, const QString& usage, Setter set)
{
    m_options.push_back({ name, usage, std::move(set) });
}

void ViewerOptions::choice(const QString& name, int& variable, std::initializer_list<int> choices)
{
    QStringList texts;
    for (int value : choices)
        texts << QString::number(value);
    add(name, name + QLatin1Char('=') + texts.join(QLatin1Char('|')), [&variable, texts](const QStringList& values) {
        if (values.size() != 1 || !texts.contains(values[0]))
            return false;
        variable = values[0].toInt();
        return true;
    });
}

bool ViewerOptions::set(const QString& name, const QStringList& values) const
{
    const auto option = std::find_if(m_options.begin(), m_options.end(), [&](const Option& o) { return o.name == name; });
    return option != m_options.end() && option->set(values);
}

QStringList ViewerOptions::usage() const
{
    QStringList texts;
    for (const Option& option : m_options)
        texts << option.usage;
    return texts;
}

QString ViewerOptions::flagsUsage(const QString& name, int count)
{
    return QStringLiteral("%1=0|1,... (%2 values)").arg(name).arg(count);
}

} // namespace kavel
