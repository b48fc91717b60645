#pragma once

#include "framework/results/chartmarkers.h"
#include "framework/results/resonance.h"
#include "framework/results/resultrow.h"
#include "framework/results/separationmargin.h"

#include <optional>
#include <vector>

namespace kavel {

struct UnbalanceResponse;

// A resonance peak of one response curve as FindResonances finds it (its
// half-power speeds and amplification factor), with the curve's values at
// the peak and its standing to the operating range when one is given.
struct ResponsePeak {
    int curve;
    Resonance resonance;
    double speed;
    double amplitude;
    double phase;
    std::optional<SeparationMargin> separation;
};

// Every peak of every curve, by curve and then speed, in the file's units.
std::vector<ResponsePeak> ComputeResponsePeaks(const UnbalanceResponse& data, const std::optional<OperatingRange>& operating);

// The rows "peak": curve, speed, amplitude, phase, n1, n2, af, sm,
// sm_required, pass (the last three none without an operating range).
ResultRows ResponsePeakRows(const std::vector<ResponsePeak>& peaks);

// On the Bode chart, for a curve marked (curve j's colour at index j − 1;
// none: not marked): a circle at each peak, and at the half-power level
// A/√2 a tick at each half-power point found and a line between them.
ChartMarkers ResponsePeakMarkers(const std::vector<ResponsePeak>& peaks, const std::vector<std::optional<int>>& curveColours);

} // namespace kavel
