#include "mirnoksettings.h"

namespace kavel {

SettingsLayout MirnokSettings::layout()
{
    SettingsLayout items;
    items.numbers({ &zMin, &zMax, &zPitch, &zChart, &viewAngle })
        .numbers({ &xyMin, &xyMax, &xyPitch, &xyChart })
        .numbers({ &FrameWidth, &SpareFlag })
        .text(zTitle)
        .text(xTitle)
        .text(yTitle)
        .text(chartTitle)
        .numbers({ &animStep });
    return items;
}

} // namespace kavel
