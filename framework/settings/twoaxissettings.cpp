#include "twoaxissettings.h"

namespace kavel {

SettingsLayout TwoAxisChartSettings::layout()
{
    SettingsLayout items;
    items.axis(X).axis(Y).numbers({ &FrameWidth, &SpareFlag }).text(XTitle).text(YTitle).text(Title);
    return items;
}

} // namespace kavel
