#include "holpixviewer.h"

#include "holpixeditdialog.h"
#include "holpixresults.h"
#include "mapchart.h"

#include <algorithm>

namespace kavel {

HolpixViewer::HolpixViewer()
{
    dataPath = defaultDataPath();
}

const ViewerIdentity& HolpixViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("HOLPIX"),
        .exportName = QStringLiteral("holpix"),
        .mainCaption = QStringLiteral("HOLPIX/D  Drawing"),
        .fileDialogCaption = QStringLiteral("HOLPIX/F File Open"),
        .editCaption = QStringLiteral("HOLPIX/E  Editing rotor model"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\holpix.mac"),
        .outlineFile = {},
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\holpix\\"),
        .workingFile = QStringLiteral("holpix.tmp"),
        .factoryFile = QStringLiteral("holpix.org"),
        .defaultCaption = QStringLiteral("5:Default"),
        .keys = {}, // the buttons only
    };
    return id;
}

ReaderDiagnostic HolpixViewer::readData(const QString& hostPath)
{
    return ReadCriticalSpeedMap(hostPath, map);
}

void HolpixViewer::drawChart(DrawingSurface& surface)
{
    ChartMarkers markers;
    if (resultInputs.markers) {
        markers = MapFrequencyMarkers(resultInputs.stiffness, ComputeMapFrequencies(map, resultInputs.stiffness, resultInputs.curve), curveColours());
    }
    DrawCriticalSpeedMap(surface, settings, map, curveFlags, axisOptions, markers);
}

bool HolpixViewer::setOption(const QString& name, const QStringList& values)
{
    auto flag = [](const QString& value) { return value == QLatin1String("0") || value == QLatin1String("1"); };
    if (!std::all_of(values.begin(), values.end(), flag))
        return false;
    if (name == QLatin1String("curveFlags"))
        return setFromOption(curveFlags, values);
    // Option buttons: exactly one of each axis's pair is chosen.
    if (name == QLatin1String("axisOptions") && values.size() == 4 && values[0] != values[1] && values[2] != values[3]) {
        for (int i = 1; i <= 4; ++i)
            axisOptions[std::size_t(i)] = qint16(values[i - 1].toInt());
        return true;
    }
    return false;
}

QStringList HolpixViewer::optionUsage() const
{
    return { flagsUsage(QStringLiteral("curveFlags"), kMapCurveFlagCount), QStringLiteral("axisOptions=xLIN,xLOG,yLIN,yLOG (each 0|1, one of each pair)") };
}

ResultRows HolpixViewer::results() const
{
    ResultRows rows = MapFrequencyRows(ComputeMapFrequencies(map, resultInputs.stiffness, resultInputs.curve));
    const auto colourOf = curveColours();
    for (ResultRow& row : rows)
        row.colour = colourOf(int(row.numberOf(QStringLiteral("curve")).value_or(-1)), int(row.numberOf(QStringLiteral("mode")).value_or(0)));
    return rows;
}

// The standstill curves continue the colours where the critical speed
// curves stop.
std::function<std::optional<int>(int kind, int mode)> HolpixViewer::curveColours() const
{
    const int modes = map.modeCount;
    std::vector<std::optional<int>> colours = DrawnCurveColours(2 * modes, [&](int n) {
        return n <= modes ? CriticalCurveShown(curveFlags, n) : StandstillCurveShown(curveFlags, n - modes);
    });
    return [modes, colours = std::move(colours)](int kind, int mode) -> std::optional<int> {
        if ((kind != CriticalSpeedKind && kind != StandstillKind) || mode < 1 || mode > modes)
            return std::nullopt;
        return colours[std::size_t(kind * modes + mode - 1)];
    };
}

ResultInputKinds HolpixViewer::resultInputKinds() const
{
    return ResultInput::Stiffness | ResultInput::CurveKind | ResultInput::Markers;
}

EditDialog* HolpixViewer::createEditDialog(QWidget* parent)
{
    return new HolpixEditDialog(*this, parent);
}

} // namespace kavel
