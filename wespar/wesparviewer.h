#pragma once

#include "deflectiondata.h"
#include "wesparsettings.h"

#include "framework/models/rotormodel.h"
#include "framework/viewer.h"

namespace kavel {

// The WESPAR viewer: the deflection line under the rotor's section.
class WesparViewer final : public Viewer {
public:
    WesparViewer();

    void drawChart(DrawingSurface& surface) override;
    // The largest deflection, in the black of the deflection curve.
    ResultRows results() const override;

    WesparSettings settings;
    DeflectionData deflection;
    RotorModel model;
};

} // namespace kavel
