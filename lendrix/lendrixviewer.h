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

    const ViewerIdentity& identity() const override;
    SettingsLayout settingsLayout() override { return settings.layout(); }
    // The model file, and beside it the rotor model last named by
    // readOutline (the fixed savlen.mac unless the export names another).
    ReaderDiagnostic readData(const QString& hostPath) override;
    ReaderDiagnostic readOutline(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    // "modeFlags" with eleven values, each a 16-bit integer.
    bool setOption(const QString& name, const QStringList& values) override;
    QStringList optionUsage() const override;
    // Each modal column's natural frequency, coloured as the chart draws
    // the columns.
    ResultRows results() const override;
    EditDialog* createEditDialog(QWidget* parent) override;

    QString fileComment() const override { return model.FileComment; }

    LendrixSettings settings;
    LendrixModel model;
    // Which columns are drawn: only "All" at every start, never kept.
    LendrixModeFlags modeFlags {};
    // The "Number of Element" box: shown again, drawing nothing.
    int NumberOfElement = 0;

private:
    QString m_rotorPath;
};

} // namespace kavel
