#pragma once

namespace kavel {

class DrawingSurface;
struct RotorModel;
struct SavlenSettings;

// The rotor section chart: frame, titles, contours, element numbers and the
// file comment. On a screen surface the "3:Plot" chart (cleared first), on a
// printer surface the "4:Print" page (landscape, centimetres, ended).
void DrawSectionChart(DrawingSurface& surface, const SavlenSettings& settings, const RotorModel& model, int ShowNumbers);

} // namespace kavel
