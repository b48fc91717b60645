#pragma once

#include "framework/models/rotormodel.h"
#include "savlensettings.h"

#include "framework/viewer.h"

namespace kavel {

// The SAVLEN viewer: the rotor's longitudinal section.
class SavlenViewer final : public Viewer {
public:
    SavlenViewer();

    const ViewerIdentity& identity() const override;
    SettingsLayout settingsLayout() override { return settings.layout(); }
    ReaderDiagnostic readData(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    bool setOption(const QString& name, const QStringList& values) override;
    QStringList optionUsage() const override;
    // The rotor's length, element count and largest diameter.
    ResultRows results() const override;
    EditDialog* createEditDialog(QWidget* parent) override;

    QString fileComment() const override { return model.FileComment; }

    SavlenSettings settings;
    RotorModel model;
    // Element numbers on the chart: set by the editing dialog, never kept.
    int ShowNumbers = 0;
};

} // namespace kavel
