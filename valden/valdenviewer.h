#pragma once

#include "eigendata.h"
#include "showcurve.h"
#include "valdensettings.h"

#include "framework/chart/chartpair.h"
#include "framework/viewer.h"

namespace kavel {

// The VALDEN viewer: complex eigenvalues against rotational speed, as the
// XY (Campbell) chart or as paths in the Gauss plane.
class ValdenViewer final : public Viewer {
public:
    ValdenViewer();

    void drawChart(DrawingSurface& surface) override;
    // The crossings of the orders and the instability onsets, coloured as
    // the chart shown draws each mode.
    ResultRows results() const override;
    // Restores the file the viewer reads, from the factory file the
    // installation carries; see valdenviewer.cpp.
    QString restoreFactorySettings() override;

    // The Gauss dialog's caption (the XY dialog's is identity().editCaption).
    static QString gaussEditCaption();

    // The colour of each mode on the chart shown, none for a mode not drawn.
    std::vector<std::optional<int>> modeColours() const;

    ValdenSettings settings;
    EigenData data;
    // In memory only: every curve shown and the XY chart at each start.
    ShowCurveFlags ShowCurve = ShowCurveFlags::atStart();
    // Which chart the viewer shows: 1 the XY chart, 2 the Gauss-plane chart.
    enum ChartModes { XYChart = FirstChart, GaussChart = SecondChart };
    int ChartMode = XYChart;
};

// The VALDEN chart in the given mode, its comment at 5 cm on paper; the
// markers (speed against frequency) are drawn over the XY chart's curves.
extern const ChartPair<ValdenSettings, EigenData, ShowCurveFlags> DrawValdenChart;

} // namespace kavel
