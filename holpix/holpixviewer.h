#pragma once

#include "criticalspeedmap.h"
#include "drawingoptions.h"
#include "holpixsettings.h"

#include "framework/viewer.h"

namespace kavel {

// The HOLPIX viewer: the critical speed map on linear or logarithmic axes.
class HolpixViewer final : public Viewer {
public:
    HolpixViewer();

    const ViewerIdentity& identity() const override;
    SettingsLayout settingsLayout() override { return settings.layout(); }
    ReaderDiagnostic readData(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    // "curveFlags" (14 values, 0 or 1) and "axisOptions" (4 values, 0 or 1,
    // one of the first two and one of the last two set).
    bool setOption(const QString& name, const QStringList& values) override;
    QStringList optionUsage() const override;
    // Each mode's frequency at the stiffnesses given, coloured as the map
    // draws each curve.
    ResultRows results() const override;
    ResultInputKinds resultInputKinds() const override;

    // The colour of each mode's curve of each kind on the map, as
    // colourOf(kind, mode) looks it up: none where it is not drawn (the
    // third kind never is).
    std::function<std::optional<int>(int kind, int mode)> curveColours() const;
    EditDialog* createEditDialog(QWidget* parent) override;

    QString fileComment() const override { return map.FileComment; }

    HolpixSettings settings;
    CriticalSpeedMap map;
    // In memory only: all critical speed curves on log-log axes at each start.
    MapCurveFlags curveFlags = InitialMapCurveFlags();
    AxisOptions axisOptions = InitialAxisOptions();
};

} // namespace kavel
