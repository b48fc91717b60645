#pragma once

#include "framework/settings/checkflags.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

namespace kavel {

// The in-memory options a viewer takes by name (kavel-export's "--option
// NAME=VALUES"): each option's usage text and how it sets its variable, in
// one table so that setting and listing them cannot drift apart.
class ViewerOptions {
public:
    // Sets the variable from the values; false, with nothing set, for
    // values it does not take.
    using Setter = std::function<bool(const QStringList& values)>;

    // An option of its own: `usage` is its "NAME=VALUES" text.
    void add(const QString& name, const QString& usage, Setter set);
    // One integer among `choices`: "NAME=1|2".
    void choice(const QString& name, int& variable, std::initializer_list<int> choices);
    // A row of check boxes, "0" or "1" a box: "NAME=0|1,... (N values)".
    template <std::size_t N>
    void flags(const QString& name, CheckFlags<N>& variable)
    {
        add(name, flagsUsage(name, int(N)), [&variable](const QStringList& values) { return setFromOption(variable, values); });
    }

    // False for a name no option has, or values it does not take.
    bool set(const QString& name, const QStringList& values) const;
    // Every option's usage text, in the order they were added.
    QStringList usage() const;

    // "NAME=0|1,... (count values)".
    static QString flagsUsage(const QString& name, int count);

private:
    struct Option {
        QString name;
        QString usage;
        Setter set;
    };
    std::vector<Option> m_options;
};

} // namespace kavel
