#include "showcurve.h"

namespace kavel {

namespace {

bool set(const ShowCurveFlags& flags, int index)
{
    return index >= 0 && index < kShowCurveCount && flags[std::size_t(index)] == 1;
}

// The last mode whose XY lookups (j − 1, j + 4) stay within the table.
constexpr int kLastXYMode = kShowCurveCount - 1 - 4;
// The last mode whose Gauss lookup (j + 10) stays within the table.
constexpr int kLastGaussMode = kShowCurveCount - 1 - 10;

} // namespace

ShowCurveFlags AllCurvesShown()
{
    ShowCurveFlags flags;
    flags.fill(1);
    return flags;
}

bool FrequencyCurveShown(const ShowCurveFlags& ShowCurve, int j)
{
    return set(ShowCurve, kAllXY) || (j <= kLastXYMode && set(ShowCurve, j - 1));
}

bool DampingCurveShown(const ShowCurveFlags& ShowCurve, int j)
{
    return set(ShowCurve, kAllXY) || (j <= kLastXYMode && set(ShowCurve, j + 4));
}

bool GaussPathShown(const ShowCurveFlags& ShowCurve, int j)
{
    return set(ShowCurve, kAllGauss) || (j <= kLastGaussMode && set(ShowCurve, j + 10));
}

int DampingShownCount(const ShowCurveFlags& ShowCurve)
{
    int count = 0;
    for (int k = 5; k <= kAllXY; ++k)
        count += ShowCurve[std::size_t(k)];
    return count;
}

} // namespace kavel
