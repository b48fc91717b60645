#include "zeptalviewer.h"

#include "bodechart.h"
#include "polarchart.h"
#include "zeptaleditdialog.h"
#include "zeptalresults.h"

namespace kavel {

constinit const ChartPair<ZeptalSettings, UnbalanceResponse, CurveFlags> DrawZeptalChart { DrawBodeChart, DrawPolarChart };

ZeptalViewer::ZeptalViewer()
    : Viewer({ .program = QStringLiteral("ZEPTAL"), .mainCaption = QStringLiteral("ZEPTAL/D  Drawing"), .fileDialogCaption = QStringLiteral("ZEPTAL/F File Open"),
          .editCaption = QStringLiteral("ZEPTAL/E  Editing"), .keys = numberKeys(KeyFive::RestoresDefaults), .defaultCaption = QStringLiteral("5: Default"), .dataName = QStringLiteral("zeptala") })
{
    bind(settings, data, ReadUnbalanceResponse);
    opensDialog<ZeptalEditDialog>(*this);
    takesResultInputs(ResultInput::Operating | ResultInput::Markers);
    options.choice(QStringLiteral("chartStyle"), chartStyle, { 1, 2 });
    options.flags(QStringLiteral("curveFlags"), curveFlags);
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

ResultRows ZeptalViewer::results() const
{
    return WithCurveColours(ResponsePeakRows(ComputeResponsePeaks(data, resultInputs.operating)), QStringLiteral("curve"), curveColours());
}

std::vector<std::optional<int>> ZeptalViewer::curveColours() const
{
    return chartStyle == BodeChart ? BodeCurveColours(data, curveFlags) : PolarCurveColours(data, curveFlags);
}

} // namespace kavel
