#include "matricescommand.h"

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
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            out << "usage: " << matricesUsage() << Qt::flush;
            return ExportSucceeded;
        }
        if (argument != QLatin1String("--root") && argument != QLatin1String("--data") && argument != QLatin1String("--out-dir")) {
            err << program << "unknown argument '" << argument << "'" << Qt::endl;
            return ExportUsageError;
        }
        if (i + 1 >= arguments.size()) {
            err << program << argument << " needs a value" << Qt::endl;
            return ExportUsageError;
        }
        const QString value = arguments[++i];
        if (argument == QLatin1String("--root"))
            root = value;
        else if (argument == QLatin1String("--data"))
            dataFile = value;
        else
            outDir = value;
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
