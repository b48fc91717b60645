#pragma once

#include "chartpage.h"

#include "framework/results/chartmarkers.h"

namespace kavel {

class DrawingSurface;

// The two charts of a viewer that shows one of them (DrawOneOfTwoCharts),
// drawn from its settings, its data and its curve flags; only the first
// takes markers. Called as the viewer's chart:
// chart(surface, settings, data, flags, 1 or 2, markers). On a screen
// surface the "3:Plot" chart (cleared first); on a printer surface the
// "4:Print" page (centimetres, landscape, ended). A chart that stops early
// (a zero range) still gets its closing step: the file comment at the top
// left, and on paper the end of the document.
template <typename Settings, typename Data, typename Flags>
struct ChartPair {
    void (*first)(DrawingSurface&, const Settings&, const Data&, const Flags&, const ChartMarkers&);
    void (*second)(DrawingSurface&, const Settings&, const Data&, const Flags&);
    double printerCommentX = kPrinterCommentX;

    void operator()(DrawingSurface& s, const Settings& settings, const Data& data, const Flags& flags, int chart, const ChartMarkers& markers = {}) const
    {
        ChartPageStyle style;
        style.printerCommentX = printerCommentX;
        DrawOneOfTwoCharts(
            s, data.FileComment, style, chart, [&] { first(s, settings, data, flags, markers); }, [&] { second(s, settings, data, flags); });
    }
};

} // namespace kavel
