#pragma once

#include "modeanimation.h"
#include "modechart.h"
#include "modeshapes.h"
#include "mirnoksettings.h"

#include "framework/models/rotormodel.h"
#include "framework/viewer.h"

namespace kavel {

// What the start-up read got to: the result file, the diagnostic file
// written after it (an empty error when written) and the rotor outline.
struct ModeShapeReads {
    ReaderDiagnostic result;
    QString diagnosticError;
    ReaderDiagnostic outline;
};

// The MIRNOK viewer: complex mode shapes as an oblique sketch over the
// rotor outline, still or animated.
class MirnokViewer final : public Viewer {
public:
    MirnokViewer();

    // "3:Plot" with the legend, "4:Print" without; both set φ back to 0.
    void drawChart(DrawingSurface& surface) override;
    // Each mode's speed, frequency, damping ratio and whirl, coloured as
    // the sketch draws the modes.
    ResultRows results() const override;
    // The sketch reaches below a landscape page (its base at y 23, the
    // outline 12 cm lower): everything drawn, and on the screen all that the
    // modes sweep while they whirl.
    std::optional<QRectF> drawnRegion(const RecordingSurface& chart) const override;
    // One cycle from phase 0 as the timer draws it: until the phase is back
    // at 0 (or has turned once round backwards), at most kMaxAnimationFrames;
    // a step of 0, or a frame that cannot be drawn, makes a single frame.
    int drawAnimation(DrawingSurface& screen, const std::function<void()>& frameDone) override;

    // Start-up: the result file, animStep from its first mode, the
    // diagnostic file, then the rotor outline. A result that breaks off
    // leaves the rest unread and unwritten.
    ModeShapeReads ReadModeShapeFiles(const QString& resultPath, const QString& outlinePath);
    // The file dialog's read: the result file alone; animStep, the
    // diagnostic file and the outline stay as they are.
    ReaderDiagnostic ReadResultFile(const QString& path);

    ModeChartOutcome DrawModeChart(DrawingSurface& surface, float phi, ModeLegend legend);

    // One tick of the animation timer: while running, the whole chart at φ
    // without the legend, then φ advanced by animStep unless the drawing
    // failed (the frame then stays). Nothing while stopped.
    ModeChartOutcome Timer1_Timer(DrawingSurface& screen);

    QString diagnosticPath() const;

    static constexpr int kMaxAnimationFrames = 360;

    MirnokSettings settings;
    ComplexModeShapes shapes;
    RotorModel outline;
    ModeShown modeShown = ModeShown::atStart();
    ModeAnimation animation;
    // The phase of the still chart: 0, or what the export asks for.
    float stillPhase = 0;
    // How the last plot or frame ended.
    ModeChartOutcome lastOutcome;

private:
    // The result and the step from its first mode.
    ReaderDiagnostic readResultAndStep(const QString& path);
    ModeChartOutcome tick(DrawingSurface& screen, ModeAnimation& state);
};

} // namespace kavel
