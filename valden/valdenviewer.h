#pragma once

#include "eigendata.h"
#include "showcurve.h"
#include "valdensettings.h"

#include "framework/viewer.h"

namespace kavel {

// The VALDEN viewer: complex eigenvalues against rotational speed, as the
// XY (Campbell) chart or as paths in the Gauss plane.
class ValdenViewer final : public Viewer {
public:
    ValdenViewer();

    const ViewerIdentity& identity() const override;
    SettingsLayout settingsLayout() override { return settings.layout(); }
    ReaderDiagnostic readData(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    // "ChartMode" (1 or 2) and "ShowCurve" (17 values, 0 or 1).
    bool setOption(const QString& name, const QStringList& values) override;
    QStringList optionUsage() const override;
    // The crossings of the orders and the instability onsets, coloured as
    // the chart shown draws each mode.
    ResultRows results() const override;
    ResultInputKinds resultInputKinds() const override;
    // The dialog of the chart shown: "valden-XY  Editing" or
    // "valden-Gauss  Editing".
    EditDialog* createEditDialog(QWidget* parent) override;
    // Restores the file the viewer reads, from the factory file the
    // installation carries; see valdenviewer.cpp.
    QString restoreFactorySettings() override;

    // The Gauss dialog's caption (the XY dialog's is identity().editCaption).
    static QString gaussEditCaption();

    // The colour of each mode on the chart shown, none for a mode not drawn.
    std::vector<std::optional<int>> modeColours() const;
    QString fileComment() const override { return data.FileComment; }

    ValdenSettings settings;
    EigenData data;
    // In memory only: every curve shown and the XY chart at each start.
    ShowCurveFlags ShowCurve = AllCurvesShown();
    int ChartMode = 1;
};

} // namespace kavel
