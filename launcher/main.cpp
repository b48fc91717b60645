#include "hostprocessstarter.h"
#include "launcherwindow.h"

#include <QApplication>

// The lists open at the working directory; the jobs' batch files are found
// there or beside the launcher, where an installation puts them.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kavel::HostProcessStarter starter;
    kavel::LauncherWindow window(starter);
    window.show();
    return app.exec();
}
