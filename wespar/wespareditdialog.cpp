#include "wespareditdialog.h"

#include "wesparviewer.h"

#include "framework/reading/numberparse.h"

#include <QLineEdit>

namespace kavel {

WesparEditDialog::WesparEditDialog(WesparViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(7380, 5340);

    const WesparSettings& s = viewer.settings;

    addAxisRow(m_text, 1, 467, QStringLiteral("X axis  :"), s.X);
    addTitleRow(m_text, 5, 935, QStringLiteral("X title :"), s.XTitle);
    addAxisRow(m_text, 6, 1870, QStringLiteral("Y axis  :"), s.Y, QStringLiteral("wespar"));
    addTitleRow(m_text, 10, 2337, QStringLiteral("Y title :"), s.YTitle);
    addAxisRow(m_text, 11, 3270, QStringLiteral("Y axis  :"), s.R, QStringLiteral("savlen"));
    addTitleRow(m_text, 15, 3737, QStringLiteral("Y title :"), s.RTitle);

    addUnitNote(4085);

    addTitleAndCommentRows(m_text, 16, 4439, s.Title, viewer.deflection.FileComment);
    addContourModeField(m_text, 18, s.ContourMode);

    addOkCancel({ 6045, 4439, 1110, 365 }, { 6045, 4880, 1110, 365 });
}

bool WesparEditDialog::apply()
{
    const AxisSettings x = axisFrom(m_text, 1, QStringLiteral("X axis"));
    const AxisSettings y = axisFrom(m_text, 6, QStringLiteral("Y axis (wespar)"));
    const AxisSettings r = axisFrom(m_text, 11, QStringLiteral("Y axis (savlen)"));
    if (refused())
        return false;
    WesparSettings& s = m_viewer.settings;
    s.X = x;
    s.Y = y;
    s.R = r;
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.RTitle = m_text[15]->text();
    s.Title = m_text[16]->text();
    m_viewer.deflection.FileComment = m_text[17]->text();
    // ContourMode must hold a number; a text that is none keeps the mode
    // the chart has.
    if (const std::optional<qint16> mode = NumberParse::strictInt16(m_text[18]->text()))
        s.ContourMode = *mode;
    return true;
}

} // namespace kavel
