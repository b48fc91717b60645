#include "wesparfiledialog.h"

#include "wesparviewer.h"

#include <QRadioButton>

namespace kavel {

WesparFileDialog::WesparFileDialog(WesparViewer& viewer, QWidget* parent)
    : FileOpenDialog(viewer, parent)
    , m_viewer(viewer)
    , m_option1(new QRadioButton(QStringLiteral("wespar"), this))
    , m_option2(new QRadioButton(QStringLiteral("savlen"), this))
{
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2->setObjectName(QStringLiteral("Option2"));
    place(m_option1, { 2325, 90, 1100, 300 });
    place(m_option2, { 3500, 90, 1100, 300 });
    m_option1->setChecked(true);
}

void WesparFileDialog::readChosenFile(const QString& path)
{
    // Only the chosen file is read; the other keeps what it had.
    if (m_option2->isChecked()) {
        m_viewer.loadOutline(path);
    } else {
        m_viewer.dataPath = path;
        m_viewer.loadData(path);
    }
}

} // namespace kavel
