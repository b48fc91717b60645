#pragma once

#include "framework/settings/twoaxissettings.h"

namespace kavel {

// The HOLPIX settings record: X the support stiffness in kgf/mm, Y the
// frequency in Hz; FrameWidth also gives a log-log chart's line width. A log
// axis may replace a non-positive minimum in it; the replaced value is what
// the file gets back.
struct HolpixSettings : TwoAxisChartSettings { };

} // namespace kavel
