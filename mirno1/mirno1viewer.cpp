#include "mirno1viewer.h"

#include "mirno1editdialog.h"
#include "mirno1results.h"
#include "planarmodechart.h"

namespace kavel {

Mirno1Viewer::Mirno1Viewer()
{
    dataPath = defaultDataPath();
}

const ViewerIdentity& Mirno1Viewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("MIRNO1"),
        .exportName = QStringLiteral("mirno1"),
        .mainCaption = QStringLiteral("DASMOR1/D  Drawing"),
        .fileDialogCaption = QStringLiteral("MIRNO1/F  File Open"),
        .editCaption = QStringLiteral("MIRNO1/E  Editing"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\mirno1.mac"),
        .outlineFile = QStringLiteral("c:\\Kavel\\data\\savlen.mac"),
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\mirno1\\"),
        .workingFile = QStringLiteral("mirno1.tmp"),
        .factoryFile = QStringLiteral("mirno1.org"),
        .defaultCaption = QStringLiteral("5:Default"),
        .keys = numberKeys(KeyFive::DoesNothing),
    };
    return id;
}

ReaderDiagnostic Mirno1Viewer::readData(const QString& hostPath)
{
    if (m_pendingOutline.isEmpty())
        return ReadModeShapeResult(hostPath, shapes);
    // The outline is read only after a whole result: its reading is
    // remembered as the outline's, the result's returned.
    const QString outlinePath = std::exchange(m_pendingOutline, QString());
    const ReaderDiagnostic reading = ReadModeShapeFiles(hostPath, outlinePath, shapes, outline);
    if (reading.file == outlinePath && reading.file != hostPath) {
        readings.outline = reading;
        return { hostPath, 0, 0, {} };
    }
    readings.outline = ReaderDiagnostic::notRead(outlinePath, hostPath);
    return reading;
}

ReaderDiagnostic Mirno1Viewer::readOutline(const QString& hostPath)
{
    m_pendingOutline = hostPath;
    return {};
}

void Mirno1Viewer::drawChart(DrawingSurface& surface)
{
    DrawPlanarModeChart(surface, settings, shapes, outline, modeShown);
}

bool Mirno1Viewer::setOption(const QString& name, const QStringList& values)
{
    return name == QLatin1String("modeShown") && setFromOption(modeShown, values);
}

QStringList Mirno1Viewer::optionUsage() const
{
    return { flagsUsage(QStringLiteral("modeShown"), kModeFlags) };
}

ResultRows Mirno1Viewer::results() const
{
    ResultRows rows = PlanarModeRows(shapes);
    SetRowColours(rows, QStringLiteral("mode"), DrawnCurveColours(shapes.N2, [this](int i) { return planarModeShown(modeShown, i); }));
    return rows;
}

EditDialog* Mirno1Viewer::createEditDialog(QWidget* parent)
{
    return new Mirno1EditDialog(*this, parent);
}

} // namespace kavel
