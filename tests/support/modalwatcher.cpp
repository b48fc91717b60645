#include "modalwatcher.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <algorithm>

namespace kavel::test {

namespace {

void closeModal(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

ModalWatcher::ModalWatcher()
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start(10);
}

ModalWatcher::~ModalWatcher() = default;

void ModalWatcher::expect(Handler handler)
{
    m_handlers.push_back(std::move(handler));
}

void ModalWatcher::expectMessage(QString* text, QString* title)
{
    expect([text, title](QWidget* modal) {
        *text = messageText(modal);
        if (title)
            *title = modal->windowTitle();
        acceptMessage(modal);
    });
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (modal == m_current) {
        if (m_since.elapsed() > 5000) {
            ADD_FAILURE() << "modal window left open: " << modal->metaObject()->className();
            closeModal(modal);
        }
        return;
    }
    m_current = modal;
    m_since.start();
    // A dialog already answered becomes active again when a message box it
    // opened closes: it is not a new window.
    if (std::find(m_answeredWindows.begin(), m_answeredWindows.end(), modal) != m_answeredWindows.end())
        return;
    m_answeredWindows.erase(std::remove_if(m_answeredWindows.begin(), m_answeredWindows.end(), [](const QPointer<QWidget>& w) { return w.isNull(); }), m_answeredWindows.end());
    m_answeredWindows.emplace_back(modal);
    if (m_handlers.empty()) {
        ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\": " << messageText(modal).toStdString();
        closeModal(modal);
        return;
    }
    Handler handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    ++m_answered;
    // From a fresh event: this timer does not fire again while its own
    // handler runs, and a handler may open a further modal window.
    QTimer::singleShot(0, this, [handler, target = QPointer<QWidget>(modal)] {
        if (target)
            handler(target);
    });
}

QString messageText(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    return box ? box->text() : QString();
}

void acceptMessage(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "not a message box: " << modal->metaObject()->className();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    ok->click();
}

} // namespace kavel::test
