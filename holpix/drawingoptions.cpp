#include "drawingoptions.h"

namespace kavel {

MapCurveFlags InitialMapCurveFlags()
{
    MapCurveFlags flags {};
    flags[kAllCritical] = 1;
    return flags;
}

bool CriticalCurveShown(const MapCurveFlags& curveFlags, int j)
{
    return curveFlags[kAllCritical] == 1 || (j >= 1 && j <= kMapModeRows && curveFlags[std::size_t(j - 1)] == 1);
}

bool StandstillCurveShown(const MapCurveFlags& curveFlags, int j)
{
    return curveFlags[kAllStandstill] == 1 || (j >= 1 && j <= kMapModeRows && curveFlags[std::size_t(j + 6)] == 1);
}

AxisOptions InitialAxisOptions()
{
    AxisOptions options {};
    options[kXLog] = 1;
    options[kYLog] = 1;
    return options;
}

} // namespace kavel
