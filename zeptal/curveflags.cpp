#include "curveflags.h"

namespace kavel {

CurveFlags DefaultCurveFlags()
{
    CurveFlags flags {};
    flags[kAllCurves] = 1;
    return flags;
}

bool AmplitudeShown(const CurveFlags& curveFlags, int j)
{
    if (curveFlags[kAllCurves] == 1)
        return true;
    return j >= 1 && j <= kCurvesWithBoxes && curveFlags[std::size_t(j - 1)] == 1;
}

bool PhaseShown(const CurveFlags& curveFlags, int j)
{
    if (curveFlags[kAllCurves] == 1)
        return true;
    return j >= 1 && j <= kCurvesWithBoxes && curveFlags[std::size_t(j + 4)] == 1;
}

int PhaseCount(const CurveFlags& curveFlags)
{
    int count = 0;
    for (int k = 5; k <= kAllCurves; ++k)
        count += curveFlags[std::size_t(k)];
    return count;
}

} // namespace kavel
