#include "curveflags.h"

namespace kavel {

CurveFlags DefaultCurveFlags()
{
    return onlyChecked<kCurveFlagCount>(kAllCurves);
}

bool AmplitudeShown(const CurveFlags& curveFlags, int j)
{
    return modeChecked(curveFlags, kAllCurves, kCurvesWithBoxes, 0, j);
}

bool PhaseShown(const CurveFlags& curveFlags, int j)
{
    return modeChecked(curveFlags, kAllCurves, kCurvesWithBoxes, kCurvesWithBoxes, j);
}

int PhaseCount(const CurveFlags& curveFlags)
{
    int count = 0;
    for (int k = 5; k <= kAllCurves; ++k)
        count += curveFlags[std::size_t(k)];
    return count;
}

} // namespace kavel
