#include "jobcommand.h"

namespace kavel {

namespace {

QString joined(QString head, const QStringList& words)
{
    for (const QString& word : words)
        head += QLatin1Char(' ') + word;
    return head;
}

} // namespace

QString JobCommand::text() const
{
    return joined(interpreter + QStringLiteral(" /c ") + batchFile, arguments);
}

QString ProgramCommand::text() const
{
    return joined(program, arguments);
}

} // namespace kavel
