#include "readerdiagnostic.h"

namespace kavel {

QString ReaderDiagnostic::toString() const
{
    if (complete())
        return QStringLiteral("%1: read to its end").arg(file);
    QString where = file;
    if (line > 0)
        where += QStringLiteral(", line %1").arg(line);
    if (field > 0)
        where += QStringLiteral(", item %1").arg(field);
    return where + QStringLiteral(": ") + reason;
}

ReaderDiagnostic ReaderDiagnostic::notRead(const QString& file, const QString& before)
{
    return { file, 0, 0, QStringLiteral("not read, as %1 was not read whole").arg(before) };
}

} // namespace kavel
