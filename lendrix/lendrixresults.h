#pragma once

#include "framework/results/resultrow.h"

namespace kavel {

struct LendrixModel;

// The rows "mode", one per modal column: column, numbered as in the legend
// (p + j for modal degree j), and frequency, its natural frequency
// √(block 5 value j)/2π in Hz; none for a negative value or one block 5
// does not have.
ResultRows ModalColumnRows(const LendrixModel& model);

} // namespace kavel
