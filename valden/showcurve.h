#pragma once

#include "framework/settings/checkflags.h"

namespace kavel {

// The display flags of both editing dialogs, 1 shown and 0 hidden: entries
// 0–4 the frequency curves of modes 1–5, 5–9 their damping curves, 10 all
// XY curves, 11–15 the Gauss paths of modes 1–5, 16 all Gauss paths. In
// memory only; all set at every start.
inline constexpr int kAllXY = 10;
inline constexpr int kAllGauss = 16;
using ShowCurveFlags = FlagTable<17, kEveryBox>;

// Which curves of mode j (from 1) are drawn. The XY flags are looked up at
// j − 1 and j + 4, so modes 6 to 12 fall on other rows of the dialog; from
// mode 13 on (and on the Gauss chart from mode 7 on) the lookup would leave
// the table, and those modes are drawn through "All" alone.
inline constexpr FlagColumn FrequencyCurveShown { .first = 0, .rows = 12, .all = kAllXY };
inline constexpr FlagColumn DampingCurveShown { .first = 5, .rows = 12, .all = kAllXY };
inline constexpr FlagColumn GaussPathShown { .first = 11, .rows = 6, .all = kAllGauss };

// How many damping flags (the five rows and "All") are set: while none is,
// the XY chart has no damping scale, no lines across and no damping title.
inline int DampingShownCount(const ShowCurveFlags& ShowCurve) { return checkedCount(ShowCurve, 5, kAllXY); }

} // namespace kavel
