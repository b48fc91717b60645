#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace kavel::test {

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

} // namespace kavel::test
