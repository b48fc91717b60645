#include "savleneditdialog.h"

#include "savlenviewer.h"

namespace kavel {

SavlenEditDialog::SavlenEditDialog(SavlenViewer& viewer, QWidget* parent)
    : EditDialog(parent)
{
    setWindowTitle(viewer.identity().editCaption);
    setClientSize(7380, 3915);

    SavlenSettings& s = viewer.settings;

    addAxisRow(1, 467, QStringLiteral("X axis  :"), s.X);
    addTitleRow(5, 935, QStringLiteral("X title :"), s.XTitle);
    addAxisRow(6, 1870, QStringLiteral("Y axis  :"), s.Y);
    addTitleRow(10, 2337, QStringLiteral("Y title :"), s.YTitle);

    addUnitNote(2685);

    addTitleAndCommentRows(11, 3039, s.Title, viewer.model.FileComment);
    // A text that is no number keeps the mode the chart has.
    addContourModeField(13, s.ContourMode);

    addNumberOfElementBox(QStringLiteral("Check1"), viewer.ShowNumbers);

    addOkCancel({ 6045, 3039, 1110, 365 }, { 6045, 3480, 1110, 365 });
}

} // namespace kavel
