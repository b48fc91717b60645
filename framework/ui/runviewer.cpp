#include "runviewer.h"

#include "singleinstance.h"
#include "viewerwindow.h"

#include "framework/viewer.h"

#include <QApplication>

namespace kavel {

int runViewer(int argc, char** argv, ViewerFactory make, WindowFactory makeWindow)
{
    QApplication app(argc, argv);
    std::unique_ptr<Viewer> viewer = make();
    const SingleInstance instance(viewer->identity().program);
    if (!instance.isFirst())
        return 0;

    std::unique_ptr<ViewerWindow> window = makeWindow ? makeWindow(*viewer) : std::make_unique<ViewerWindow>(*viewer);
    // Quit ends the program even while another of its windows is open.
    QObject::connect(window.get(), &ViewerWindow::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window->Form_Load();
    window->show();
    return app.exec();
}

} // namespace kavel
