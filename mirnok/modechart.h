#pragma once

#include "mirnoksettings.h"

#include <QRectF>
#include <QString>
#include <optional>

namespace kavel {

class DrawingSurface;
class ComplexModeShapes;
struct RotorModel;

// The oblique sketch's derived values, computed from the settings at the
// start of every drawing: the deflection box's corner (xOrg, yOrg), the
// scales, where zero deflection lies, and the shaft axis at viewAngle.
struct ModeProjection {
    double xOrg = 0;
    double yOrg = 0;
    double zScale = 0;
    double xyScale = 0;
    double zeroX = 0;
    double zeroY = 0;
    double boxCenterX = 0;
    double boxCenterY = 0;
    double axisAngle = 0; // radians
    double axisRun = 0;
    double axisRise = 0;
    double shaftX0 = 0;
    double shaftY0 = 0;

    // Nullopt when a range is zero or a value is not finite: the drawing
    // stops there.
    static std::optional<ModeProjection> compute(const MirnokSettings& settings);

    double stationX(double position) const;
    double stationY(double position) const;
};

// The π of the sketch's angles.
inline constexpr double kSketchPi = 3.141592654;

// Whether a drawing got to its end, and where and why it stopped if not.
struct ModeChartOutcome {
    QString failure; // empty when every step was drawn
    bool complete() const { return failure.isEmpty(); }
};

// What a chart is drawn from: the settings, the result, the outline and the
// display flags.
struct ModeChartInput {
    const MirnokSettings& settings;
    const ComplexModeShapes& shapes;
    const RotorModel& outline;
    const ModeShown& modeShown;
};

// The eigenvalue legend stands on the "3:Plot" chart only.
enum class ModeLegend { Hidden, Shown };

// Whether mode i (from 1) is drawn: its own flag for modes 1 to 12, and
// every mode, the thirteenth and all after it included, under "All".
bool isModeShown(const ModeShown& modeShown, int i);

// The whole chart at phase φ (degrees): axes and divisions, titles, the
// rotor outline 12 cm below, every shown mode's deflected shaft line, the
// eigenvalue legend when asked for, and the file comment. On a screen
// surface the area is cleared first; a printer page is not ended here. A
// step that fails (a zero range, a value beyond range) stops the drawing;
// the comment is drawn in every case.
ModeChartOutcome DrawModeChart(DrawingSurface& surface, const ModeChartInput& input, float phi, ModeLegend legend);

// The box every shown mode's stations sweep at any phase (each moves on the
// ellipse of its two amplitudes about the shaft axis), so that the picture
// can be fitted once for a whole animation. Nullopt when there is no
// projection or no shown station.
std::optional<QRectF> WhirlEnvelope(const ModeChartInput& input);

// The most mode-line segments one drawing makes: a result whose counts
// would need more stops drawing modes there rather than exhaust memory.
inline constexpr long long kMaxSketchSegments = 1 << 20;

} // namespace kavel
