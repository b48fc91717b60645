#pragma once

#include <QtGlobal>
#include <array>

namespace kavel {

class DrawingSurface;
struct LendrixModel;
struct LendrixSettings;

// The eleven mode flags: columns 1 to 10, and "All" at index 10.
using LendrixModeFlags = std::array<qint16, 11>;
inline constexpr int kLendrixAll = 10;

// Column j (from 1) is drawn when its flag or "All" is set; columns beyond
// the flag table only through "All".
bool columnSelected(const LendrixModeFlags& flags, qint64 j);

// Whether station i (from 1) carries no modal entries: every pair of
// neighbouring modal columns is zero (with one modal column, always).
bool isBareStation(const LendrixModel& model, qint64 i);

// The model chart: frame, titles, rotor sketch, one polyline per selected
// column, legend, station lines and the file comment. On a screen surface
// the "3:Plot" chart (cleared first), on a printer surface the "4:Print"
// page (centimetres, ended).
void DrawModelChart(DrawingSurface& surface, const LendrixSettings& settings, const LendrixModel& model, const LendrixModeFlags& flags);

} // namespace kavel
