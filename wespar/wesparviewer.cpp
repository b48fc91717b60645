#include "wesparviewer.h"

#include "deflectionchart.h"
#include "wespareditdialog.h"
#include "wesparresults.h"

namespace kavel {

WesparViewer::WesparViewer()
{
    dataPath = defaultDataPath();
    modelPath = outlinePath();
}

const ViewerIdentity& WesparViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("WESPAR"),
        .exportName = QStringLiteral("wespar"),
        .mainCaption = QStringLiteral("WESPAR/D  Drawing"),
        .fileDialogCaption = QStringLiteral("WESPAR/F File Open"),
        .editCaption = QStringLiteral("WESPAR/E  Editing rotor model"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\wespar.mac"),
        .outlineFile = QStringLiteral("c:\\Kavel\\data\\savlen.mac"),
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\wespar\\"),
        .workingFile = QStringLiteral("wespar.tmp"),
        .factoryFile = QStringLiteral("wespar.org"),
        .defaultCaption = QStringLiteral("5:Default"),
        .keys = numberKeys(KeyFive::RestoresDefaults),
    };
    return id;
}

ReaderDiagnostic WesparViewer::readData(const QString& hostPath)
{
    return ReadDeflectionData(hostPath, deflection);
}

ReaderDiagnostic WesparViewer::readOutline(const QString& hostPath)
{
    modelPath = hostPath;
    return ReadRotorModel(hostPath, model);
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

EditDialog* WesparViewer::createEditDialog(QWidget* parent)
{
    return new WesparEditDialog(*this, parent);
}

} // namespace kavel
