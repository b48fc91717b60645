#include "lendrixeditdialog.h"

#include "lendrixviewer.h"

#include "framework/ui/checkboxgrid.h"

#include <QCheckBox>
#include <QLineEdit>

namespace kavel {

namespace {

// The column boxes stand right of the SAVLEN-like field block.
constexpr int kGridLeft = 7440;
constexpr int kGridTop = 60;

} // namespace

LendrixEditDialog::LendrixEditDialog(LendrixViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
    setWindowTitle(viewer.identity().editCaption);

    const LendrixSettings& s = viewer.settings;

    // The field block as in SAVLEN's dialog.
    addAxisRow(m_text, 1, 467, QStringLiteral("X axis  :"), s.X);
    addTitleRow(m_text, 5, 935, QStringLiteral("X title :"), s.XTitle);
    addAxisRow(m_text, 6, 1870, QStringLiteral("Y axis  :"), s.Y);
    addTitleRow(m_text, 10, 2337, QStringLiteral("Y title :"), s.YTitle);
    addUnitNote(2685);

    addTitleAndCommentRows(m_text, 11, 3039, s.Title, viewer.model.FileComment);

    m_check2 = addNumberOfElementBox(QStringLiteral("Check2"), viewer.NumberOfElement == 1);

    QStringList rows;
    for (int k = 1; k <= 10; ++k)
        rows << QString::number(k);
    rows << QStringLiteral("All");
    m_check1 = new CheckBoxGrid(QString(), {}, rows, this);
    for (int k = 0; k <= kLendrixAll; ++k)
        m_check1->addBox(k, 0, k, viewer.modeFlags);
    place(m_check1, { kGridLeft, kGridTop, m_check1->widthTwips(), m_check1->heightTwips() });

    addOkCancel({ 6045, 3039, 1110, 365 }, { 6045, 3480, 1110, 365 });
    setClientSize(kGridLeft + m_check1->widthTwips() + 120, std::max(3915, kGridTop + m_check1->heightTwips() + 120));
}

bool LendrixEditDialog::apply()
{
    const AxisSettings x = axisFrom(m_text, 1, QStringLiteral("X axis"));
    const AxisSettings y = axisFrom(m_text, 6, QStringLiteral("Y axis"));
    if (refused())
        return false;
    LendrixSettings& s = m_viewer.settings;
    s.X = x;
    s.Y = y;
    s.XTitle = m_text[5]->text();
    s.YTitle = m_text[10]->text();
    s.Title = m_text[11]->text();
    m_viewer.model.FileComment = m_text[12]->text();
    m_check1->store(m_viewer.modeFlags);
    m_viewer.NumberOfElement = m_check2->isChecked() ? 1 : 0;
    return true;
}

} // namespace kavel
