#pragma once

#include <QPointF>

namespace kavel {

class DrawingSurface;
struct DeflectionData;
struct RotorModel;
struct WesparSettings;

// Both charts share the origin's x; the outline chart stands 2 cm above the
// top of the deflection chart.
inline constexpr QPointF kWesparOrigin { 6, 18 };
double OriginY2(const WesparSettings& settings);

// The deflection line below and the rotor section above, with their frames,
// titles and the file comment. On a screen surface the "3:Plot" chart
// (cleared first), on a printer surface the "4:Print" page (centimetres,
// ended).
void DrawDeflectionChart(DrawingSurface& surface, const WesparSettings& settings, const DeflectionData& data, const RotorModel& model);

} // namespace kavel
