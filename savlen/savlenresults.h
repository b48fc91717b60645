#pragma once

#include "framework/results/resultrow.h"

namespace kavel {

struct RotorModel;

// The row "rotor": length, from the smallest to the largest axial position
// of its points (mm); elements, the element count; max_diameter, the
// largest outer diameter (mm). Length and diameter are none without points.
ResultRows RotorSummaryRows(const RotorModel& model);

} // namespace kavel
