#include "commandarguments.h"

#include <optional>

namespace kavel {

CommandArguments readCommandArguments(const QStringList& arguments, const CommandSyntax& syntax)
{
    CommandArguments read;
    const auto stop = [&](const QString& error) {
        read.error = error;
        return read;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            read.help = true;
            return read;
        }
        if (syntax.flags.contains(argument)) {
            read.arguments.push_back({ argument, QString() });
            continue;
        }
        if (syntax.takesWords && (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))) {
            read.arguments.push_back({ QString(), argument });
            continue;
        }

        QString name = argument;
        std::optional<QString> value;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('=')); argument.startsWith(QLatin1String("--")) && equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        if (!syntax.valued.contains(name))
            return stop(QStringLiteral("unknown %1 '%2'").arg(syntax.takesWords ? QLatin1String("option") : QLatin1String("argument"), argument));
        if (!value) {
            if (i + 1 >= arguments.size())
                return stop(QStringLiteral("%1 needs a value").arg(name));
            value = arguments[++i];
        }
        if (value->isEmpty())
            return stop(QStringLiteral("%1 needs a value").arg(name));
        read.arguments.push_back({ name, *value });
    }
    return read;
}

QString readSurface(const QString& value, SurfaceKind& kind)
{
    if (value == QLatin1String("screen"))
        kind = SurfaceKind::Screen;
    else if (value == QLatin1String("printer"))
        kind = SurfaceKind::Printer;
    else
        return QStringLiteral("--surface takes screen or printer, not '%1'").arg(value);
    return {};
}

} // namespace kavel
