#pragma once

#include "framework/settings/checkflags.h"

namespace kavel {

// Which curves the map shows, one flag per check box of the editing dialog,
// 1 selected and 0 not: 0–5 the critical speed of modes 1–6, 6 all critical
// speeds, 7–12 the standstill frequency of modes 1–6, 13 all standstill
// frequencies. In memory only; at every start only entry 6 is set.
inline constexpr int kAllCritical = 6;
inline constexpr int kAllStandstill = 13;
inline constexpr int kMapModeRows = 6;
using MapCurveFlags = FlagTable<14, kAllCritical>;

// Mode j (from 1) of each kind. Modes beyond the dialog's six rows are drawn
// only through their column's "All" box: a row lookup for them would read
// the other column's flags or leave the table.
inline constexpr FlagColumn CriticalCurveShown { .first = 0, .rows = kMapModeRows, .all = kAllCritical };
inline constexpr FlagColumn StandstillCurveShown { .first = kAllCritical + 1, .rows = kMapModeRows, .all = kAllStandstill };

// The four axis option buttons, 1 chosen and 0 not, at indexes 1–4 (index 0
// unused): 1 x linear ("LIN"), 2 x logarithmic ("LOG"), 3 y linear, 4 y
// logarithmic. In memory only; every start is log-log.
inline constexpr int kXLin = 1;
inline constexpr int kXLog = 2;
inline constexpr int kYLin = 3;
inline constexpr int kYLog = 4;
using AxisOptions = std::array<qint16, 5>;

AxisOptions InitialAxisOptions();

// An axis is logarithmic unless its "LIN" button is the chosen one; the
// axis routine and the mapping of the curves both decide by this.
inline bool xLogarithmic(const AxisOptions& axisOptions) { return axisOptions[kXLin] != 1; }
inline bool yLogarithmic(const AxisOptions& axisOptions) { return axisOptions[kYLin] != 1; }

} // namespace kavel
