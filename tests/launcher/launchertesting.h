#pragma once

#include "launcher/processstarter.h"

#include <QByteArray>
#include <QMessageBox>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace kavel::test {

// The QApplication the widget tests need; made once per test program.
void ensureApplication();

// A writable copy of the sample installation root, made the installation
// root (KAVEL_ROOT) for as long as it lives.
class SampleRoot {
public:
    SampleRoot();
    ~SampleRoot();

    bool isValid() const { return m_valid; }
    QString path(const QString& relative = {}) const;
    QByteArray read(const QString& relative) const;
    bool write(const QString& relative, const QByteArray& bytes, bool executable = false) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousRoot;
    bool m_valid = false;
};

// Answers every modal message box with OK, shortly after it opens, and
// keeps what each one showed.
class ModalRecorder final : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
    };

    ModalRecorder();
    const QList<Box>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

private:
    void poll();

    QTimer m_timer;
    QList<Box> m_boxes;
};

// Keeps every start as a line: "hidden cmd.exe /c 8.bat HOLPIX.OUT",
// "visible ...", "program C:\Kavel\...". A batch file or program named in
// `refuse` is not started.
class RecordingStarter final : public ProcessStarter {
public:
    StartResult startHidden(const JobCommand& command) override;
    StartResult startVisible(const JobCommand& command) override;
    StartResult startProgram(const ProgramCommand& command) override;

    QStringList lines;
    QSet<QString> refuse;

private:
    StartResult record(const QString& kind, const QString& name, const QString& text);
};

// Runs the event loop until `done` holds or `milliseconds` have passed.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000);

} // namespace kavel::test
