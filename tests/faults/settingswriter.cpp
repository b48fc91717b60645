// A viewer's settings writes, run in a process of their own so that the
// tests can kill it in the middle of one or hold it to a file-size limit.
//
//   settingswriter VIEWER alternate
//       writes the two records of the pair over the working file, one after
//       the other, until killed; says "writing" once both have been written.
//   settingswriter VIEWER limited BYTES
//       with files limited to BYTES (a full disk), writes the second record
//       over the working file and then restores the factory file; prints the
//       message of each on a line of its own.

#include "settingsrecords.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace kavel::test;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const RecordPair pair = settingsRecordPair(arguments.value(1));
    if (!pair.first) {
        std::fprintf(stderr, "settingswriter: no viewer %s\n", qPrintable(arguments.value(1)));
        return 2;
    }
    const QString path = pair.first->workingSettingsPath();

    if (arguments.value(2) == QLatin1String("alternate")) {
        bool said = false;
        for (;;) {
            if (!pair.first->writeSettings(path).isEmpty() || !pair.second->writeSettings(path).isEmpty())
                return 1;
            if (!said) {
                std::puts("writing");
                std::fflush(stdout);
                said = true;
            }
        }
    }

    if (arguments.value(2) == QLatin1String("limited")) {
        // Beyond the limit a write fails with EFBIG instead of ending the
        // process, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = arguments.value(3).toULongLong();
        const rlimit limit { bytes, bytes };
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 1;
        QTextStream out(stdout);
        out << pair.second->writeSettings(path) << '\n' << pair.second->restoreFactorySettings() << '\n';
        return 0;
    }
    return 2;
}
