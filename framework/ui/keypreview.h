#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

namespace kavel {

// Shows a window the keys typed into any of its controls before the control
// sees them, so that a window's keys work whichever control has the focus.
// The handler returns true for a key it consumed.
class KeyPreview final : public QObject {
public:
    using Handler = std::function<bool(QKeyEvent& event)>;

    // Lives as long as `window` (its child).
    KeyPreview(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    Handler m_handler;
};

} // namespace kavel
