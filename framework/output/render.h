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
    // Runs of connected lines in one pen drawn as one polyline: the same
    // pixels (round joins where the round caps met), and in a PDF or an SVG
    // a curve written once rather than as thousands of lines.
    bool polylines = false;
    // Line ends on whole device units: a page of 1200 dpi moves them at most
    // a hundredth of a millimetre, and its PDF writes each as a short whole
    // number instead of ten digits.
    bool wholeUnitLines = false;
};

enum class RenderOutcome { Drawn, NotStarted, NotFinished };

// The one way every output draws a chart: the window's picture, the
// printer, and the PDF, SVG, PNG and animation files. Draws `ops` on
// `device` in one painter session of its own.
RenderOutcome render(QPaintDevice& device, const OpList& ops, const RenderSetup& setup);

} // namespace kavel
