#include "savlenviewer.h"

#include "savleneditdialog.h"
#include "savlenresults.h"
#include "sectionchart.h"

namespace kavel {

SavlenViewer::SavlenViewer()
{
    dataPath = defaultDataPath();
}

const ViewerIdentity& SavlenViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("SAVLEN"),
        .exportName = QStringLiteral("savlen"),
        .mainCaption = QStringLiteral("SAVLEN/D  Drawing"),
        .fileDialogCaption = QStringLiteral("SAVLEN/F File Open"),
        .editCaption = QStringLiteral("SAVLEN/E  Editing rotor model"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\savlen.mac"),
        .outlineFile = {},
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\savlen\\"),
        .workingFile = QStringLiteral("savlen.tmp"),
        .factoryFile = QStringLiteral("savlen.org"),
        .defaultCaption = QStringLiteral("5:Default"),
        .keys = numberKeys(KeyFive::DoesNothing),
    };
    return id;
}

ReaderDiagnostic SavlenViewer::readData(const QString& hostPath)
{
    return ReadRotorModel(hostPath, model);
}

void SavlenViewer::drawChart(DrawingSurface& surface)
{
    DrawSectionChart(surface, settings, model, ShowNumbers);
}

bool SavlenViewer::setOption(const QString& name, const QStringList& values)
{
    if (name == QLatin1String("ShowNumbers") && values.size() == 1 && (values[0] == QLatin1String("0") || values[0] == QLatin1String("1"))) {
        ShowNumbers = values[0].toInt();
        return true;
    }
    return false;
}

QStringList SavlenViewer::optionUsage() const
{
    return { QStringLiteral("ShowNumbers=0|1") };
}

ResultRows SavlenViewer::results() const
{
    return RotorSummaryRows(model);
}

EditDialog* SavlenViewer::createEditDialog(QWidget* parent)
{
    return new SavlenEditDialog(*this, parent);
}

} // namespace kavel
