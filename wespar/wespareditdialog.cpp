#include "wespareditdialog.h"

#include "wesparviewer.h"

#include "framework/numberparse.h"

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

void WesparEditDialog::apply()
{
    WesparSettings& s = m_viewer.settings;
    auto number = [this](int n) { return numberOf(m_text[std::size_t(n)]); };
    s.X = { number(1), number(2), number(3), number(4) };
    s.Y = { number(6), number(7), number(8), number(9) };
    s.R = { number(11), number(12), number(13), number(14) };
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.RTitle = m_text[15]->text();
    s.Title = m_text[16]->text();
    m_viewer.deflection.FileComment = m_text[17]->text();
    // ContourMode must hold a number; a text that is none keeps the mode
    // the chart has.
    if (const std::optional<qint16> mode = NumberParse::strictInt16(m_text[18]->text()))
        s.ContourMode = *mode;
}

} // namespace kavel
