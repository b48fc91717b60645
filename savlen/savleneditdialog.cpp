#include "savleneditdialog.h"

#include "savlenviewer.h"

#include "framework/reading/numberparse.h"

#include <QCheckBox>
#include <QLineEdit>

namespace kavel {

SavlenEditDialog::SavlenEditDialog(SavlenViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(7380, 3915);

    const SavlenSettings& s = viewer.settings;

    addAxisRow(m_text, 1, 467, QStringLiteral("X axis  :"), s.X);
    addTitleRow(m_text, 5, 935, QStringLiteral("X title :"), s.XTitle);
    addAxisRow(m_text, 6, 1870, QStringLiteral("Y axis  :"), s.Y);
    addTitleRow(m_text, 10, 2337, QStringLiteral("Y title :"), s.YTitle);

    addUnitNote(2685);

    addTitleAndCommentRows(m_text, 11, 3039, s.Title, viewer.model.FileComment);
    addContourModeField(m_text, 13, s.ContourMode);

    m_check1 = addNumberOfElementBox(QStringLiteral("Check1"), viewer.ShowNumbers == 1);

    addOkCancel({ 6045, 3039, 1110, 365 }, { 6045, 3480, 1110, 365 });
}

bool SavlenEditDialog::apply()
{
    const AxisSettings x = axisFrom(m_text, 1, QStringLiteral("X axis"));
    const AxisSettings y = axisFrom(m_text, 6, QStringLiteral("Y axis"));
    if (refused())
        return false;
    SavlenSettings& s = m_viewer.settings;
    s.X = x;
    s.Y = y;
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.Title = m_text[11]->text();
    m_viewer.model.FileComment = m_text[12]->text();
    // ContourMode must hold a number; a text that is none keeps the mode
    // the chart has.
    if (const std::optional<qint16> mode = NumberParse::strictInt16(m_text[13]->text()))
        s.ContourMode = *mode;
    m_viewer.ShowNumbers = m_check1->isChecked() ? 1 : 0;
    return true;
}

} // namespace kavel
