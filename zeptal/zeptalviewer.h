#pragma once

#include "curveflags.h"
#include "unbalanceresponse.h"
#include "zeptalsettings.h"

#include "framework/chart/chartpair.h"
#include "framework/viewer.h"

namespace kavel {

// The ZEPTAL viewer: the unbalance response as a Bode chart (amplitude and
// phase over speed) or as polar paths.
class ZeptalViewer final : public Viewer {
public:
    ZeptalViewer();

    void drawChart(DrawingSurface& surface) override;
    // The peaks of every curve, with verdicts against the operating range,
    // coloured as the chart shown draws each curve.
    ResultRows results() const override;

    // The colour of each curve on the chart shown, none for a curve not
    // drawn.
    std::vector<std::optional<int>> curveColours() const;

    ZeptalSettings settings;
    UnbalanceResponse data;
    // Which chart the viewer shows: 1 the Bode chart, 2 polar.
    enum ChartStyles { BodeChart = FirstChart, PolarChart = SecondChart };
    // In memory only: the Bode chart with every curve at each start.
    int chartStyle = BodeChart;
    CurveFlags curveFlags = CurveFlags::atStart();
};

// The ZEPTAL chart of the given style; the markers (speed against
// amplitude) are drawn over the Bode chart's curves.
extern const ChartPair<ZeptalSettings, UnbalanceResponse, CurveFlags> DrawZeptalChart;

} // namespace kavel
