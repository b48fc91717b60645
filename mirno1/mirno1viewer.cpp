#include "mirno1viewer.h"

#include "mirno1editdialog.h"
#include "mirno1results.h"
#include "planarmodechart.h"

namespace kavel {

Mirno1Viewer::Mirno1Viewer()
    : Viewer({ .program = QStringLiteral("MIRNO1"), .mainCaption = QStringLiteral("DASMOR1/D  Drawing"), .fileDialogCaption = QStringLiteral("MIRNO1/F  File Open"),
          .editCaption = QStringLiteral("MIRNO1/E  Editing"), .keys = numberKeys(KeyFive::DoesNothing), .readsOutline = true })
{
    bind(settings, shapes);
    opensDialog<Mirno1EditDialog>(*this);
    options.flags(QStringLiteral("modeShown"), modeShown);
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

ResultRows Mirno1Viewer::results() const
{
    return WithCurveColours(PlanarModeRows(shapes), QStringLiteral("mode"), DrawnCurveColours(shapes.N2, [this](int i) { return planarModeShown(modeShown, i); }));
}

} // namespace kavel
