#pragma once

#include "framework/output/painterrenderer.h"
#include "framework/surface/surfaceops.h"

#include <QColor>
#include <optional>

class QPaintDevice;

namespace kavel {

// How a recorded chart lands on a paint device.
struct RenderSetup {
    DeviceMapping mapping;
    // Smoothed lines and text, as the picture and the PNG show them; the
    // animation frames keep to the palette's colours and leave the
    // painter's defaults as they are, as do the page outputs.
    bool antialiased = false;
    // Fills the whole device first (a picture's white); the page and the
    // printer keep their paper.
    std::optional<QColor> background = std::nullopt;
};

enum class RenderOutcome { Drawn, NotStarted, NotFinished };

// The one way every output draws a chart: the window's picture, the
// printer, and the PDF, SVG, PNG and animation files. Draws `ops` on
// `device` in one painter session of its own.
RenderOutcome render(QPaintDevice& device, const OpList& ops, const RenderSetup& setup);

} // namespace kavel
