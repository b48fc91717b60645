#include "zeptalchart.h"

#include "bodechart.h"
#include "polarchart.h"

namespace kavel {

constinit const ChartPair<ZeptalSettings, UnbalanceResponse, CurveFlags> DrawZeptalChart { DrawBodeChart, DrawPolarChart };

} // namespace kavel
