#include "lendrixeditdialog.h"

#include "lendrixviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QCheckBox>

namespace kavel {

namespace {

// The column boxes stand right of the SAVLEN-like field block.
constexpr int kGridLeft = 7440;
constexpr int kGridTop = 60;

} // namespace

LendrixEditDialog::LendrixEditDialog(LendrixViewer& viewer, QWidget* parent)
    : EditDialog(parent)
{
    setWindowTitle(viewer.identity().editCaption);

    LendrixSettings& s = viewer.settings;

    // The field block as in SAVLEN's dialog.
    addAxisRow(1, 467, QStringLiteral("X axis  :"), s.X);
    addTitleRow(5, 935, QStringLiteral("X title :"), s.XTitle);
    addAxisRow(6, 1870, QStringLiteral("Y axis  :"), s.Y);
    addTitleRow(10, 2337, QStringLiteral("Y title :"), s.YTitle);
    addUnitNote(2685);

    addTitleAndCommentRows(11, 3039, s.Title, viewer.model.FileComment);

    addNumberOfElementBox(QStringLiteral("Check2"), viewer.NumberOfElement);

    QStringList rows;
    for (int k = 1; k <= 10; ++k)
        rows << QString::number(k);
    rows << QStringLiteral("All");
    auto* columns = new CheckBoxGrid(QString(), {}, rows, this);
    for (int k = 0; k <= kLendrixAll; ++k)
        bindFlag(columns->addBox(k, 0, k), viewer.modeFlags[std::size_t(k)]);
    place(columns, { kGridLeft, kGridTop, columns->widthTwips(), columns->heightTwips() });

    addOkCancel({ 6045, 3039, 1110, 365 }, { 6045, 3480, 1110, 365 });
    setClientSize(kGridLeft + columns->widthTwips() + 120, std::max(3915, kGridTop + columns->heightTwips() + 120));
}

} // namespace kavel
