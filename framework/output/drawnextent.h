#pragma once

#include "framework/surface/drawingsurface.h"
#include "framework/surface/surfaceops.h"

#include <QRectF>
#include <optional>

namespace kavel {

// The part of the page a recorded chart covers, in chart centimetres: its
// lines, points and circles, and the boxes of its texts as wide as their
// characters make them (an estimate that needs no fonts, the same on every
// machine). Nullopt when nothing was drawn. Coordinates the renderer leaves
// out (not finite, or a kilometre off the page) are left out here too.
// Rotated fonts count the device units of the surface `kind`.
std::optional<QRectF> DrawnExtent(const OpList& ops, SurfaceKind kind = SurfaceKind::Screen);

} // namespace kavel
