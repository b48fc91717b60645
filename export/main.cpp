#include "exportcommand.h"

#include <QString>
#include <QTextStream>

#include <cstdio>

namespace {

// Qt's note about a missing XDG_RUNTIME_DIR (usual under root and in CI)
// says nothing about the export; every other message passes.
QtMessageHandler qtHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(quietHandler);

    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kavel::runExportCommand(arguments, out, err);
}
