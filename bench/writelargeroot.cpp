#include "largeroot.h"

#include <QCoreApplication>
#include <QTextStream>

// kavel_largeroot DIR: the large result of every viewer, with settings that
// show it, as an installation root for timing kavel-export on it.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: kavel_largeroot DIR\n";
        return 2;
    }
    if (const QString error = kavel::LargeFiles::writeRoot(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        err << "kavel_largeroot: " << error << '\n';
        return 1;
    }
    return 0;
}
