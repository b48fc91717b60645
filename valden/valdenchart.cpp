#include "valdenchart.h"

#include "campbellchart.h"
#include "gausschart.h"

namespace kavel {

constinit const ChartPair<ValdenSettings, EigenData, ShowCurveFlags> DrawValdenChart { DrawXYChart, DrawGaussChart, 5 };

} // namespace kavel
