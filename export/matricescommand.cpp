#include "matricescommand.h"

#include "commandarguments.h"
#include "commandpaths.h"
#include "exportrequest.h"
#include "launcher/outmatrix.h"

#include <QTextStream>

namespace kavel {

QString matricesUsage()
{
    return QStringLiteral(
        "kavel-export matrices [--root DIR] [--data FILE] [--out-dir DIR]\n"
        "            the launcher's matrix export: reads the model file (data/lendrix.mac) and\n"
        "            writes mdata16.dat, kdata16.dat, gdata16.dat, zzahyo.dat, ttmsnd.dat and\n"
        "            fc.dat into DIR (data/)\n");
}

int runMatricesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString program = QStringLiteral("kavel-export matrices: ");
    QString root, dataFile, outDir;
    static const CommandSyntax syntax { .valued = { QStringLiteral("--root"), QStringLiteral("--data"), QStringLiteral("--out-dir") } };
    const CommandArguments read = readCommandArguments(arguments, syntax);
    for (const auto& [name, value] : read.arguments) {
        if (name == QLatin1String("--root"))
            root = value;
        else if (name == QLatin1String("--data"))
            dataFile = value;
        else
            outDir = value;
    }
    if (read.help) {
        out << "usage: " << matricesUsage() << Qt::flush;
        return ExportSucceeded;
    }
    if (!read.error.isEmpty()) {
        err << program << read.error << Qt::endl;
        return ExportUsageError;
    }
    // The root first: --data resolves against it, as in the chart export.
    QString error = root.isEmpty() ? QString() : CommandPaths::useRoot(root);
    const std::optional<QString> data = error.isEmpty() ? CommandPaths::namedFile(dataFile, "--data", error) : std::nullopt;
    if (!error.isEmpty()) {
        err << program << error << Qt::endl;
        return ExportUsageError;
    }
    const ExportResult result = ExportMatrices(data.value_or(QString()), outDir);
    for (const QString& file : result.written)
        out << file << '\n';
    out << Qt::flush;
    if (!result.ok()) {
        err << program << result.error << Qt::endl;
        return ExportCannotWrite;
    }
    return ExportSucceeded;
}

} // namespace kavel
