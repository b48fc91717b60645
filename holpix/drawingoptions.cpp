#include "drawingoptions.h"

namespace kavel {

MapCurveFlags InitialMapCurveFlags()
{
    return onlyChecked<kMapCurveFlagCount>(kAllCritical);
}

bool CriticalCurveShown(const MapCurveFlags& curveFlags, int j)
{
    return modeChecked(curveFlags, kAllCritical, kMapModeRows, 0, j);
}

bool StandstillCurveShown(const MapCurveFlags& curveFlags, int j)
{
    return modeChecked(curveFlags, kAllStandstill, kMapModeRows, kAllCritical + 1, j);
}

AxisOptions InitialAxisOptions()
{
    AxisOptions options {};
    options[kXLog] = 1;
    options[kYLog] = 1;
    return options;
}

} // namespace kavel
