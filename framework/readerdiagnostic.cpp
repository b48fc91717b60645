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

} // namespace kavel
