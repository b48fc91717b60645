#include "statusline.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kavel {

StatusLine::StatusLine(QWidget* parent)
    : QWidget(parent)
    , m_readout(new QLabel(this))
    , m_fileStatus(new QLabel(this))
{
    setObjectName(QStringLiteral("statusLine"));
    m_readout->setObjectName(QStringLiteral("readout"));
    m_fileStatus->setObjectName(QStringLiteral("fileStatus"));
    // A long readout gives way rather than widening the window.
    m_readout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_fileStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_readout->setTextFormat(Qt::PlainText);
    m_fileStatus->setTextFormat(Qt::PlainText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_readout, 1);
    layout->addWidget(m_fileStatus, 0);
}

void StatusLine::setReadout(const QString& text)
{
    m_readout->setText(text);
}

void StatusLine::setFileStatus(const QString& text)
{
    m_fileStatus->setText(text);
}

QString StatusLine::readout() const
{
    return m_readout->text();
}

QString StatusLine::fileStatus() const
{
    return m_fileStatus->text();
}

int StatusLine::lineHeight() const
{
    return fontMetrics().height() + 4;
}

} // namespace kavel
