#pragma once

#include "framework/results/resultrow.h"

namespace kavel {

class ComplexModeShapes;

// The rows "mode", one per mode of the result: mode, speed (its rotating
// speed, Hz), frequency (the eigenvalue's imaginary part, Hz), damping_ratio
// (−Re/|λ|) and whirl ("forward" where the turning direction's sign is
// positive, "backward" where negative, none where it is 0).
ResultRows ModeSummaryRows(const ComplexModeShapes& shapes);

} // namespace kavel
