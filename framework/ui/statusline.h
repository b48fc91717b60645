#pragma once

#include <QWidget>

class QLabel;

namespace kavel {

// The line under the picture: on the left what the cursor reads, on the
// right what became of the chart's files and pages (reread, gone, written).
class StatusLine final : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    void setReadout(const QString& text);
    void setFileStatus(const QString& text);
    QString readout() const;
    QString fileStatus() const;

    // The height the line takes under the picture.
    int lineHeight() const;

private:
    QLabel* m_readout;
    QLabel* m_fileStatus;
};

} // namespace kavel
