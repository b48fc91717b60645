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

    const ViewerIdentity& identity() const override;
    SettingsLayout settingsLayout() override { return settings.layout(); }
    ReaderDiagnostic readData(const QString& hostPath) override;
    ReaderDiagnostic readOutline(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    EditDialog* createEditDialog(QWidget* parent) override;
    // The largest deflection, in the black of the deflection curve.
    ResultRows results() const override;

    QString fileComment() const override { return deflection.FileComment; }

    WesparSettings settings;
    DeflectionData deflection;
    RotorModel model;
    // The rotor model file: the fixed one at start, replaced by the file
    // dialog's "savlen" choice.
    QString modelPath;
};

} // namespace kavel
