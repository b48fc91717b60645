#include "zeptalviewer.h"

#include "zeptalchart.h"
#include "zeptaleditdialog.h"
#include "zeptalresults.h"

namespace kavel {

ZeptalViewer::ZeptalViewer()
{
    dataPath = defaultDataPath();
}

const ViewerIdentity& ZeptalViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("ZEPTAL"),
        .exportName = QStringLiteral("zeptal"),
        .mainCaption = QStringLiteral("ZEPTAL/D  Drawing"),
        .fileDialogCaption = QStringLiteral("ZEPTAL/F File Open"),
        .editCaption = QStringLiteral("ZEPTAL/E  Editing"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\zeptala.mac"),
        .outlineFile = {},
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\zeptal\\"),
        .workingFile = QStringLiteral("zeptal.tmp"),
        .factoryFile = QStringLiteral("zeptal.org"),
        .defaultCaption = QStringLiteral("5: Default"),
        .keys = numberKeys(KeyFive::RestoresDefaults),
    };
    return id;
}

ReaderDiagnostic ZeptalViewer::readData(const QString& hostPath)
{
    return ReadUnbalanceResponse(hostPath, data);
}

void ZeptalViewer::drawChart(DrawingSurface& surface)
{
    // The peaks are marked on the amplitude curves of the Bode chart.
    ChartMarkers markers;
    if (resultInputs.markers && chartStyle == BodeChart) {
        std::vector<std::optional<int>> colours = curveColours();
        for (int j = 1; j <= int(colours.size()); ++j) {
            if (!AmplitudeShown(curveFlags, j))
                colours[std::size_t(j - 1)].reset();
        }
        markers = ResponsePeakMarkers(ComputeResponsePeaks(data, resultInputs.operating), colours);
    }
    DrawZeptalChart(surface, settings, data, curveFlags, chartStyle, markers);
}

bool ZeptalViewer::setOption(const QString& name, const QStringList& values)
{
    if (name == QLatin1String("chartStyle") && values.size() == 1
        && (values[0] == QLatin1String("1") || values[0] == QLatin1String("2"))) {
        chartStyle = values[0].toInt();
        return true;
    }
    return name == QLatin1String("curveFlags") && setFromOption(curveFlags, values);
}

QStringList ZeptalViewer::optionUsage() const
{
    return { QStringLiteral("chartStyle=1|2"), flagsUsage(QStringLiteral("curveFlags"), kCurveFlagCount) };
}

ResultRows ZeptalViewer::results() const
{
    ResultRows rows = ResponsePeakRows(ComputeResponsePeaks(data, resultInputs.operating));
    SetRowColours(rows, QStringLiteral("curve"), curveColours());
    return rows;
}

// The polar chart draws only the amplitude flags' curves.
std::vector<std::optional<int>> ZeptalViewer::curveColours() const
{
    return DrawnCurveColours(data.curveCount, [this](int j) {
        return AmplitudeShown(curveFlags, j) || (chartStyle == BodeChart && PhaseShown(curveFlags, j));
    });
}

ResultInputKinds ZeptalViewer::resultInputKinds() const
{
    return ResultInput::Operating | ResultInput::Markers;
}

EditDialog* ZeptalViewer::createEditDialog(QWidget* parent)
{
    return new ZeptalEditDialog(*this, parent);
}

} // namespace kavel
