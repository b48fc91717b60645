#pragma once

#include "framework/settings/twoaxissettings.h"

namespace kavel {

// The Lendrix settings record: X in mm, Y the table value.
struct LendrixSettings : TwoAxisChartSettings { };

} // namespace kavel
