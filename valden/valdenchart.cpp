#include "valdenchart.h"

#include "campbellchart.h"
#include "eigendata.h"
#include "gausschart.h"
#include "valdensettings.h"

#include "framework/drawingsurface.h"
#include "framework/palette.h"

namespace kavel {

void DrawValdenChart(DrawingSurface& s, const ValdenSettings& settings, const EigenData& data, const ShowCurveFlags& ShowCurve, int ChartMode)
{
    const bool printer = s.isPrinter();
    if (printer) {
        // The page is landscape like every chart of the suite: the charts
        // are laid out up to 30 cm wide. Its font stays the printer's own.
        s.setLandscape();
        s.setCentimetreScale();
    } else {
        s.clear();
        s.setFontName(QStringLiteral("times new roman"));
        s.setFontSize(8);
    }

    if (ChartMode == XYChart)
        DrawXYChart(s, settings, data, ShowCurve);
    else
        DrawGaussChart(s, settings, data, ShowCurve);

    s.point(5, 0, Palette::kLightGrey);
    if (printer) {
        s.print(data.FileComment);
        s.endDocument();
    } else {
        s.setFontName(QStringLiteral("Small Fonts"));
        s.setFontSize(7);
        s.print(data.FileComment);
        s.setFontName(QStringLiteral("System"));
    }
}

} // namespace kavel
