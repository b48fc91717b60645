#include "lendrixeditdialog.h"

#include "lendrixviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QCheckBox>

namespace kavel {

LendrixEditDialog::LendrixEditDialog(LendrixViewer& viewer, QWidget* parent)
    : EditDialog(viewer.identity().editCaption, parent)
{
    LendrixSettings& s = viewer.settings;
    addTwoAxisBlock(s.X, s.XTitle, s.Y, s.YTitle, s.Title, viewer.model.FileComment);

    addNumberOfElementBox(QStringLiteral("Check2"), viewer.NumberOfElement);

    // The column boxes stand right of SAVLEN's field block.
    constexpr int kGridLeft = 7440;
    constexpr int kGridTop = 60;
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
