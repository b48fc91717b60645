#include "holpixviewer.h"

#include "holpixeditdialog.h"
#include "holpixresults.h"
#include "mapchart.h"

#include <algorithm>

namespace kavel {

HolpixViewer::HolpixViewer()
    : Viewer({ .program = QStringLiteral("HOLPIX"), .mainCaption = QStringLiteral("HOLPIX/D  Drawing"), .fileDialogCaption = QStringLiteral("HOLPIX/F File Open"),
          .editCaption = QStringLiteral("HOLPIX/E  Editing rotor model") }) // no keys: the buttons only
{
    bind(settings, map, ReadCriticalSpeedMap);
    opensDialog<HolpixEditDialog>(*this);
    takesResultInputs(ResultInput::Stiffness | ResultInput::CurveKind | ResultInput::Markers);
    options.flags(QStringLiteral("curveFlags"), curveFlags);
    options.add(QStringLiteral("axisOptions"), QStringLiteral("axisOptions=xLIN,xLOG,yLIN,yLOG (each 0|1, one of each pair)"), [this](const QStringList& values) {
        // Option buttons: exactly one of each axis's pair is chosen.
        const auto flag = [](const QString& value) { return value == QLatin1String("0") || value == QLatin1String("1"); };
        if (values.size() != 4 || !std::all_of(values.begin(), values.end(), flag) || values[0] == values[1] || values[2] == values[3])
            return false;
        for (int i = 1; i <= 4; ++i)
            axisOptions[std::size_t(i)] = qint16(values[i - 1].toInt());
        return true;
    });
}

void HolpixViewer::drawChart(DrawingSurface& surface)
{
    ChartMarkers markers;
    if (resultInputs.markers) {
        markers = MapFrequencyMarkers(resultInputs.stiffness, ComputeMapFrequencies(map, resultInputs.stiffness, resultInputs.curve), curveColours());
    }
    DrawCriticalSpeedMap(surface, settings, map, curveFlags, axisOptions, markers);
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

} // namespace kavel
