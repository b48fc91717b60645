#include "maptochart.h"

#include "criticalspeedmap.h"
#include "holpixsettings.h"
#include "mapaxes.h"

namespace kavel {

ChartPoints MapToChart(const CriticalSpeedMap& map, const HolpixSettings& settings, const MapScales& scales)
{
    const int NP = map.pointCount;
    const int NM = map.modeCount;
    const ChartGeometry& g = scales.g;
    ChartPoints out;
    out.pointCount = NP;
    out.chartX.assign(std::size_t(NP) + 1, 0.0f);
    out.chartYs.assign(map.frequencies.size(), 0.0f);
    if (!scales.curvesMappable())
        return out;

    for (int i = 1; i <= NP; ++i) {
        const double x = map.stiffness[std::size_t(i)];
        out.chartX[std::size_t(i)] = float(scales.xLog ? g.OriginX + scales.logX->offset(x)
                                                       : g.OriginX + (x - settings.X.min) * g.ScaleX);
    }
    for (int j = 1; j <= NM; ++j) {
        for (int k = 0; k < kMapCurveKinds; ++k) {
            for (int i = 1; i <= NP; ++i) {
                const double f = map.frequency(i, j, k);
                out.chartY(i, j, k) = float(scales.yLog ? g.OriginY - scales.logY->offset(f)
                                                        : g.OriginY - (f - settings.Y.min) * g.ScaleY);
            }
        }
    }
    return out;
}

} // namespace kavel
