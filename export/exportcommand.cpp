#include "exportcommand.h"

#include "bookcommand.h"
#include "chartexport.h"
#include "exportrequest.h"
#include "matricescommand.h"
#include "viewerregistry.h"

#include <QTextStream>

namespace kavel {

namespace {

const QString kProgram = QStringLiteral("kavel-export: ");

} // namespace

int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    // Subcommands take the first word; a viewer name never collides with one.
    if (arguments.value(0) == QLatin1String("matrices"))
        return runMatricesCommand(arguments.mid(1), out, err);
    if (arguments.value(0) == QLatin1String("book"))
        return runBookCommand(arguments.mid(1), out, err);

    const ParsedExportArguments parsed = parseExportArguments(arguments);
    if (parsed.help) {
        out << exportUsage() << Qt::flush;
        return ExportSucceeded;
    }
    if (parsed.listViewers) {
        for (const QString& name : ViewerRegistry::builtViewers())
            out << name << '\n';
        out << Qt::flush;
        return ExportSucceeded;
    }
    if (!parsed.request) {
        err << kProgram << parsed.error << Qt::endl;
        return ExportUsageError;
    }

    const ExportOutcome outcome = runExport(*parsed.request);
    for (const QString& line : outcome.report)
        out << line << '\n';
    out << Qt::flush;
    for (const QString& warning : outcome.warnings)
        err << kProgram << "warning: " << warning << Qt::endl;
    if (!outcome.error.isEmpty())
        err << kProgram << outcome.error << Qt::endl;
    return outcome.status;
}

} // namespace kavel
