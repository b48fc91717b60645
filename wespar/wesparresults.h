#pragma once

#include "framework/results/resultrow.h"

namespace kavel {

struct DeflectionData;

// The row "max": x and deflection of the point of largest deflection
// magnitude (the first where several are as large), signed as read; none of
// either without points.
ResultRows DeflectionMaxRows(const DeflectionData& data);

} // namespace kavel
