#include "application.h"

#include <QApplication>

namespace kavel::test {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "kavel_tests";
    static char* argv[] = { name, nullptr };
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

} // namespace kavel::test
