#pragma once

#include "mirno1settings.h"
#include "modeshapefiles.h"

#include "framework/models/rotormodel.h"
#include "framework/viewer.h"

namespace kavel {

// The MIRNO1 viewer: planar mode shapes over the rotor outline.
class Mirno1Viewer final : public Viewer {
public:
    Mirno1Viewer();

    // At start the result and then the outline (ReadModeShapeFiles); from
    // the file dialog the result only, the outline staying as read.
    ReaderDiagnostic readData(const QString& hostPath) override;
    // Remembers the outline for the next result read: a result that cannot
    // be read leaves the outline unread.
    ReaderDiagnostic readOutline(const QString& hostPath) override;
    void drawChart(DrawingSurface& surface) override;
    // Each mode's nodes and largest deflection, coloured as the chart draws
    // the modes.
    ResultRows results() const override;

    Mirno1Settings settings;
    PlanarModeShapes shapes;
    RotorModel outline;
    ModeFlags modeShown = ModeFlags::atStart();

private:
    QString m_pendingOutline;
};

} // namespace kavel
