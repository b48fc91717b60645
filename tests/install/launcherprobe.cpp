#include "launcher/hostprocessstarter.h"
#include "launcher/launcherwindow.h"
#include "support/modalrecorder.h"

#include <QApplication>
#include <QPushButton>
#include <QTextStream>

// launcherprobe BUTTON...: the launcher as its program starts it, with the
// buttons of those object names pressed one after the other; every message
// box is answered and printed on standard output as "title: text". Exits 2
// for a button the window does not have.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kavel::HostProcessStarter starter;
    kavel::LauncherWindow window(starter);
    window.show();
    kavel::test::ModalRecorder modals;
    QTextStream out(stdout);
    for (const QString& name : app.arguments().mid(1)) {
        auto* button = window.findChild<QPushButton*>(name);
        if (!button) {
            QTextStream(stderr) << "launcherprobe: no button " << name << Qt::endl;
            return 2;
        }
        button->click();
    }
    for (const kavel::test::ModalRecorder::Box& box : modals.boxes())
        out << box.title << ": " << box.text << '\n';
    return 0;
}
