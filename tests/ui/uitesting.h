#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QProcess;
class QWidget;

namespace kavel {

// The QApplication every widget test needs; made once per test program.
void ensureApplication();

// A copy of the sample installation root in a temporary directory, made the
// installation root (KAVEL_ROOT) for as long as it lives.
class TestRoot {
public:
    TestRoot();
    ~TestRoot();

    bool isValid() const { return m_dir.isValid() && m_copied; }
    // The host path of a file relative to the root ("Gavrine/savlen/savlen.tmp").
    QString path(const QString& relative) const;
    QByteArray read(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_copied = false;
};

// Starts a viewer program on the offscreen platform under the current
// installation root; false when it did not start.
bool launchViewerProgram(QProcess& process, const QString& path);
// Waits until `process` holds the single-instance lock of `program`
// ("SAVLEN"); false when it ends or takes too long.
bool holdsLock(QProcess& process, const QString& program);

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

// The text and title of a message box, and a click on its OK button.
QString messageText(QWidget* modal);
void acceptMessage(QWidget* modal);

} // namespace kavel
