#pragma once

#include "curveflags.h"
#include "unbalanceresponse.h"
#include "zeptalsettings.h"

#include "framework/viewer.h"

namespace kavel {

// The ZEPTAL viewer: the unbalance response as a Bode chart (amplitude and
// phase over speed) or as polar paths.
class ZeptalViewer final : public Viewer {
public:
    ZeptalViewer();

    const ViewerIdentity& identity() const override;
    SettingsLayout settingsLayout() override { return settings.layout(); }
    ReaderDiagnostic readData(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    // "chartStyle" (1 or 2) and "curveFlags" (11 values, 0 or 1).
    bool setOption(const QString& name, const QStringList& values) override;
    QStringList optionUsage() const override;
    // The peaks of every curve, with verdicts against the operating range,
    // coloured as the chart shown draws each curve.
    ResultRows results() const override;
    ResultInputKinds resultInputKinds() const override;

    // The colour of each curve on the chart shown, none for a curve not
    // drawn.
    std::vector<std::optional<int>> curveColours() const;
    EditDialog* createEditDialog(QWidget* parent) override;

    QString fileComment() const override { return data.FileComment; }

    ZeptalSettings settings;
    UnbalanceResponse data;
    // In memory only: the Bode chart with every curve at each start.
    int chartStyle = 1;
    CurveFlags curveFlags = DefaultCurveFlags();
};

} // namespace kavel
