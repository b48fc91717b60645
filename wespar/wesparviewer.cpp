#include "wesparviewer.h"

#include "deflectionchart.h"
#include "wespareditdialog.h"
#include "wesparresults.h"

namespace kavel {

WesparViewer::WesparViewer()
    : Viewer({ .program = QStringLiteral("WESPAR"), .mainCaption = QStringLiteral("WESPAR/D  Drawing"), .fileDialogCaption = QStringLiteral("WESPAR/F File Open"),
          .editCaption = QStringLiteral("WESPAR/E  Editing rotor model"), .keys = numberKeys(KeyFive::RestoresDefaults), .readsOutline = true })
{
    bind(settings, deflection, ReadDeflectionData);
    bindOutline(model);
    opensDialog<WesparEditDialog>(*this);
}

void WesparViewer::drawChart(DrawingSurface& surface)
{
    DrawDeflectionChart(surface, settings, deflection, model);
}

ResultRows WesparViewer::results() const
{
    ResultRows rows = DeflectionMaxRows(deflection);
    for (ResultRow& row : rows)
        row.colour = 0;
    return rows;
}

} // namespace kavel
