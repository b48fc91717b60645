#pragma once

#include "framework/models/rotormodel.h"
#include "savlensettings.h"

#include "framework/viewer.h"

namespace kavel {

// The SAVLEN viewer: the rotor's longitudinal section.
class SavlenViewer final : public Viewer {
public:
    SavlenViewer();

    void drawChart(DrawingSurface& surface) override;
    // The rotor's length, element count and largest diameter.
    ResultRows results() const override;

    SavlenSettings settings;
    RotorModel model;
    // Element numbers on the chart: set by the editing dialog, never kept.
    int ShowNumbers = 0;
};

} // namespace kavel
