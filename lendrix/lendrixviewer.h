#pragma once

#include "lendrixmodel.h"
#include "lendrixsettings.h"
#include "modelchart.h"

#include "framework/viewer.h"

namespace kavel {

// The Lendrix viewer: the quasi-modal model's station table along the rotor.
class LendrixViewer final : public Viewer {
public:
    LendrixViewer();

    void drawChart(DrawingSurface& surface) override;
    // Each modal column's natural frequency, coloured as the chart draws
    // the columns.
    ResultRows results() const override;

    LendrixSettings settings;
    LendrixModel model;
    // Which columns are drawn: only "All" at every start, never kept.
    LendrixModeFlags modeFlags {};
    // The "Number of Element" box: shown again, drawing nothing.
    int NumberOfElement = 0;
};

} // namespace kavel
