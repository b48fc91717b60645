#include "zeptalchart.h"

#include "bodechart.h"
#include "polarchart.h"
#include "zeptalsettings.h"

#include "framework/drawingsurface.h"
#include "framework/palette.h"

namespace kavel {

void DrawZeptalChart(DrawingSurface& s, const ZeptalSettings& settings, const UnbalanceResponse& data, const CurveFlags& curveFlags, int chartStyle)
{
    const bool printer = s.isPrinter();
    if (printer) {
        // Landscape like every chart of the suite; the font stays the
        // printer's own.
        s.setLandscape();
        s.setCentimetreScale();
    } else {
        s.clear();
        s.setFontName(QStringLiteral("times new roman"));
        s.setFontSize(8);
    }

    if (chartStyle == BodeChart)
        DrawBodeChart(s, settings, data, curveFlags);
    else
        DrawPolarChart(s, settings, data, curveFlags);

    if (printer) {
        s.point(10, 0, Palette::kLightGrey);
        s.print(data.FileComment);
        s.endDocument();
    } else {
        s.point(5, 0, Palette::kLightGrey);
        s.setFontName(QStringLiteral("Small Fonts"));
        s.setFontSize(7);
        s.print(data.FileComment);
        s.setFontName(QStringLiteral("System"));
    }
}

} // namespace kavel
