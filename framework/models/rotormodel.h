#pragma once

#include "framework/reading/readerdiagnostic.h"

#include <QString>
#include <vector>

namespace kavel {

struct ChartGeometry;
struct PlotCurve;

// One record of the rotor model file: an element's point.
struct ModelPoint {
    qint16 number = 0;
    double x = 0;  // axial position, mm
    double D = 0;  // outer diameter, mm
    float d = 0;   // inner (bore) diameter, mm; 0 for a solid shaft
};

// The rotor model: a header line, the comment line, the element count n and
// 4 × n points (each element traces its outline with four points). Several
// viewers draw it as the rotor outline beside their own result.
struct RotorModel {
    QString FileComment;
    // 4 × n as the file declares it, kept within what the file can hold.
    int N = 0;
    // Points 1..N at indexes 0..N-1; points the file did not deliver are zero.
    std::vector<ModelPoint> points;

    const ModelPoint& point(int i) const { return points[static_cast<std::size_t>(i - 1)]; }
};

// Reads a rotor model file. A file that cannot be opened keeps the previous
// model; any later failure keeps what was read, the remaining points zero.
// An element number that is not whole is a failure too: the values of
// another kind of file read as records.
ReaderDiagnostic ReadRotorModel(const QString& path, RotorModel& model);
ReaderDiagnostic ReadRotorModelText(const QString& name, const QString& text, RotorModel& model);

// The model in chart coordinates: the x of each point and the chart y of the
// outer and inner contour, [0] the upper half, [1] the mirrored lower half.
struct ScaledRotor {
    std::vector<float> cx;
    std::vector<float> cyOuter[2];
    std::vector<float> cyInner[2];
};

// Nullopt-like false when a coordinate overflows (the plot stops there).
// `bothHalves` is false for ContourMode 2 (the lower entries stay 0).
bool ScaleRotorModel(const RotorModel& model, const ChartGeometry& g, bool bothHalves, ScaledRotor& out);

// The same contours in data units, as the plotted data give them: the
// radius of the outer and the inner contour along the rotor, then, with
// both halves, the lower half's negative ("lower outer contour", …).
std::vector<PlotCurve> ContourCurves(const RotorModel& model, bool bothHalves);

} // namespace kavel
