#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace kavel::test {

// Answers the modal windows the code under test opens (message boxes, the
// file dialog): each expected one is handed to the next handler, shortly
// after it appears, from a fresh event so that the handler may open further
// modal windows. A modal window nobody expected is a test failure; it is
// closed so that the test does not hang, as is one a handler left open.
class ModalWatcher final : public QObject {
public:
    using Handler = std::function<void(QWidget* modal)>;

    ModalWatcher();
    ~ModalWatcher() override;

    void expect(Handler handler);
    // The next one is a message box: its text (and title) kept, then OK.
    void expectMessage(QString* text, QString* title = nullptr);
    int pending() const { return int(m_handlers.size()); }
    int answered() const { return m_answered; }

private:
    void poll();

    QTimer m_timer;
    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_current;
    std::vector<QPointer<QWidget>> m_answeredWindows;
    QElapsedTimer m_since;
    int m_answered = 0;
};

// The text of a message box, and a click on its OK button.
QString messageText(QWidget* modal);
void acceptMessage(QWidget* modal);

} // namespace kavel::test
