#include "savleneditdialog.h"

#include "savlenviewer.h"

namespace kavel {

SavlenEditDialog::SavlenEditDialog(SavlenViewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, 7380, 3915, parent)
{
    SavlenSettings& s = viewer.settings;
    addTwoAxisBlock(s.X, s.XTitle, s.Y, s.YTitle, s.Title, viewer.model.FileComment);
    // A text that is no number keeps the mode the chart has.
    addContourModeField(13, s.ContourMode);

    addNumberOfElementBox(QStringLiteral("Check1"), viewer.ShowNumbers);

    addOkCancel({ 6045, 3039, 1110, 365 }, { 6045, 3480, 1110, 365 });
}

} // namespace kavel
