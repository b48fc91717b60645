#include "savlenviewer.h"

#include "savleneditdialog.h"
#include "savlenresults.h"
#include "sectionchart.h"

namespace kavel {

SavlenViewer::SavlenViewer()
    : Viewer({ .program = QStringLiteral("SAVLEN"), .mainCaption = QStringLiteral("SAVLEN/D  Drawing"), .fileDialogCaption = QStringLiteral("SAVLEN/F File Open"),
          .editCaption = QStringLiteral("SAVLEN/E  Editing rotor model"), .keys = numberKeys(KeyFive::DoesNothing) })
{
    bind(settings, model, ReadRotorModel);
    opensDialog<SavlenEditDialog>(*this);
    options.choice(QStringLiteral("ShowNumbers"), ShowNumbers, { 0, 1 });
}

void SavlenViewer::drawChart(DrawingSurface& surface)
{
    DrawSectionChart(surface, settings, model, ShowNumbers);
}

ResultRows SavlenViewer::results() const
{
    return RotorSummaryRows(model);
}

} // namespace kavel
