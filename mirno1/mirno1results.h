#pragma once

#include "framework/results/resultrow.h"

namespace kavel {

class PlanarModeShapes;

// The rows "mode", one per mode: mode; nodes, the axial positions (mm) where
// the drawn deflection (direction 0) changes sign between stations, by
// linear interpolation (see SignChanges); x and deflection, the station of
// the largest deflection magnitude (the first where several are as large)
// and its signed deflection, none without stations.
ResultRows PlanarModeRows(const PlanarModeShapes& shapes);

} // namespace kavel
