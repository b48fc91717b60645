#include "modalrecorder.h"

#include "application.h"

#include <QAbstractButton>
#include <QApplication>

namespace kavel::test {

ModalRecorder::ModalRecorder()
{
    ensureApplication();
    connect(&m_timer, &QTimer::timeout, this, &ModalRecorder::poll);
    m_timer.start(10);
}

void ModalRecorder::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    Box seen { box->windowTitle(), box->text(), box->icon(), {} };
    for (QAbstractButton* button : box->buttons())
        seen.buttons << button->text();
    m_boxes << seen;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}

} // namespace kavel::test
