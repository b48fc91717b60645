#pragma once

#include "framework/settings/chartsettings.h"

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace kavel {

class DrawingSurface;

// The derived chart values every plot computes from the settings: chart
// units (centimetres) per millimetre, where physical 0 lands, the frame's
// centre. A frame's lower-left corner is at (OriginX, OriginY).
struct ChartGeometry {
    double OriginX = 0;
    double OriginY = 0;
    double ScaleX = 0;
    double ScaleY = 0;
    double OffsetX = 0;
    double OffsetY = 0;
    double CentreX = 0;
    double CentreY = 0;

    // For a frame whose lower-left corner is at `origin`. Nullopt when a
    // range is zero (or not finite): the scale would be a division by zero,
    // and the plot stops there.
    static std::optional<ChartGeometry> compute(const AxisSettings& x, const AxisSettings& y, QPointF origin);

    double chartX(double x) const { return OffsetX + ScaleX * x; }
    double chartY(double y) const { return OffsetY - ScaleY * y; }
    // The frame of `xLength` × `yLength` cm standing on (OriginX, OriginY).
    QRectF frame(double xLength, double yLength) const { return QRectF(OriginX, OriginY - yLength, xLength, yLength); }
};

// What the frame routines take: the two axes, the geometry, and where the
// Y labels stand left of the frame (1.5 cm, 2 in the deflection viewer).
// Charts with a grid have their X ticks run the full frame height (xGrid)
// and a line across the frame after each Y label (yGrid).
struct FrameInputs {
    AxisSettings x;
    AxisSettings y;
    ChartGeometry g;
    double yLabelOffset = 1.5;
    bool xGrid = false;
    bool yGrid = false;
};

// The frame: on the picture area four edges and the zero line in the
// current line width, inward ticks every pitch from physical 0 outward on
// both sides, each labelled at a light-grey point; on the printer page the
// edges in `printerFrameWidth` (the settings' FrameWidth, rounded) and the
// rest in width 1.
void DrawChartFrame(DrawingSurface& surface, const FrameInputs& frame, double printerFrameWidth = 1);
// Its two halves, for charts that draw their edges in another width: the
// bottom edge, the zero line, the left, top and right edges; then the ticks.
void DrawFrameEdges(DrawingSurface& surface, const FrameInputs& frame);
void DrawFrameTicks(DrawingSurface& surface, const FrameInputs& frame);
// The chart's title 2 cm above a frame `height` cm high and the X title
// 1.5 cm below it, both from 5 cm left of the frame's centre.
void DrawTitlesAboveAndBelow(DrawingSurface& surface, const ChartGeometry& g, double height, const QString& title, const QString& xTitle);
// The ticks of one side of an axis at the given values (tickValues): X ticks
// stand on the frame's bottom edge, Y ticks on the vertical line at `axisX`
// (the frame's left edge, or an axis inside the chart).
void DrawXTicks(DrawingSurface& surface, const FrameInputs& frame, const std::vector<double>& values);
void DrawYTicks(DrawingSurface& surface, const FrameInputs& frame, const std::vector<double>& values, double axisX);

// The tick values from 0 towards `end` in steps of `step`, end included.
// Nothing for a zero step, or for more ticks than a page can show (a pitch
// so small would stall the drawing); a last-digit error in the sum does not
// lose the last tick.
std::vector<double> tickValues(double end, double step);

// Line width for the printer: FrameWidth rounded to the nearest integer,
// kept within what a page can show.
int printerLineWidth(double width);

// On paper, lines in a settings width (FrameWidth, CurveWidth; rounded) for
// as long as it lives, and width 1 after it; on screen the width stays.
class PrinterLineWidth {
public:
    PrinterLineWidth(DrawingSurface& surface, double width);
    ~PrinterLineWidth();
    PrinterLineWidth(const PrinterLineWidth&) = delete;
    PrinterLineWidth& operator=(const PrinterLineWidth&) = delete;

private:
    DrawingSurface& m_surface;
};

} // namespace kavel
