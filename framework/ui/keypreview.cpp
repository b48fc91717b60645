#include "keypreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kavel {

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , m_window(window)
    , m_handler(std::move(handler))
{
    // On the application, because a filter on the window alone would only
    // see the keys its controls leave unused.
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_window || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    return m_handler(*static_cast<QKeyEvent*>(event));
}

} // namespace kavel
