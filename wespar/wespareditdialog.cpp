#include "wespareditdialog.h"

#include "wesparviewer.h"

namespace kavel {

WesparEditDialog::WesparEditDialog(WesparViewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, 7380, 5340, parent)
{
    WesparSettings& s = viewer.settings;

    addAxisRow(1, 467, QStringLiteral("X axis  :"), s.X);
    addTitleRow(5, 935, QStringLiteral("X title :"), s.XTitle);
    addAxisRow(6, 1870, { QStringLiteral("Y axis  :"), QStringLiteral("wespar") }, s.Y);
    addTitleRow(10, 2337, QStringLiteral("Y title :"), s.YTitle);
    addAxisRow(11, 3270, { QStringLiteral("Y axis  :"), QStringLiteral("savlen") }, s.R);
    addTitleRow(15, 3737, QStringLiteral("Y title :"), s.RTitle);

    addUnitNote(4085);

    addTitleAndCommentRows(16, 4439, s.Title, viewer.deflection.FileComment);
    // A text that is no number keeps the mode the chart has.
    addContourModeField(18, s.ContourMode);

    addOkCancel({ 6045, 4439, 1110, 365 }, { 6045, 4880, 1110, 365 });
}

} // namespace kavel
