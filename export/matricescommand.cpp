#include "matricescommand.h"

#include "exportrequest.h"
#include "launcher/outmatrix.h"

#include <QDir>
#include <QTextStream>

namespace kavel {

int runMatricesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString program = QStringLiteral("kavel-export matrices: ");
    QString dataFile, outDir;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            out << "usage: kavel-export matrices [--root DIR] [--data FILE] [--out-dir DIR]\n" << Qt::flush;
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
            qputenv("KAVEL_ROOT", QDir(value).absolutePath().toLocal8Bit());
        else if (argument == QLatin1String("--data"))
            dataFile = value;
        else
            outDir = value;
    }
    const ExportResult result = ExportMatrices(dataFile, outDir);
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
