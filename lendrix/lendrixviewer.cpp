#include "lendrixviewer.h"

#include "lendrixeditdialog.h"
#include "lendrixresults.h"

#include "framework/reading/numberparse.h"

namespace kavel {

LendrixViewer::LendrixViewer()
{
    modeFlags[kLendrixAll] = 1;
    dataPath = defaultDataPath();
    m_rotorPath = outlinePath();
}

const ViewerIdentity& LendrixViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("Lendrix"),
        .exportName = QStringLiteral("lendrix"),
        .mainCaption = QStringLiteral("Lendrix/D Drawing"),
        .fileDialogCaption = QStringLiteral("Lendrix/F  File Open"),
        .editCaption = QStringLiteral("Lendrix/E  Editing"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\lendrix.mac"),
        .outlineFile = QStringLiteral("c:\\Kavel\\data\\savlen.mac"),
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\lendrix\\"),
        .workingFile = QStringLiteral("lendrix.tmp"),
        .factoryFile = QStringLiteral("lendrix.org"),
        .defaultCaption = QStringLiteral("5:Default"),
        .keys = numberKeys(KeyFive::DoesNothing),
    };
    return id;
}

ReaderDiagnostic LendrixViewer::readData(const QString& hostPath)
{
    return ReadLendrixModel(hostPath, m_rotorPath, model);
}

ReaderDiagnostic LendrixViewer::readOutline(const QString& hostPath)
{
    m_rotorPath = hostPath;
    return ReadRotorModel(hostPath, model.rotor);
}

void LendrixViewer::drawChart(DrawingSurface& surface)
{
    DrawModelChart(surface, settings, model, modeFlags);
}

bool LendrixViewer::setOption(const QString& name, const QStringList& values)
{
    if (name != QLatin1String("modeFlags") || values.size() != qsizetype(modeFlags.size()))
        return false;
    LendrixModeFlags flags {};
    for (std::size_t k = 0; k < flags.size(); ++k) {
        const std::optional<qint16> flag = NumberParse::strictInt16(values[qsizetype(k)]);
        if (!flag)
            return false;
        flags[k] = *flag;
    }
    modeFlags = flags;
    return true;
}

QStringList LendrixViewer::optionUsage() const
{
    return { QStringLiteral("modeFlags=N,... (11 16-bit integers)") };
}

ResultRows LendrixViewer::results() const
{
    ResultRows rows = ModalColumnRows(model);
    const int columns = int(std::min<qint64>(model.p + model.q, 1 << 16));
    SetRowColours(rows, QStringLiteral("column"), DrawnCurveColours(columns, [this](int j) { return columnSelected(modeFlags, j); }));
    return rows;
}

EditDialog* LendrixViewer::createEditDialog(QWidget* parent)
{
    return new LendrixEditDialog(*this, parent);
}

} // namespace kavel
