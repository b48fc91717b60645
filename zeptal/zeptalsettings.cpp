#include "zeptalsettings.h"

namespace kavel {

SettingsLayout ZeptalSettings::layout()
{
    SettingsLayout items;
    items.numbers({ &Xmin, &Xmax, &Ymin, &Ymax, &Xpitch, &Ypitch, &Xlength, &Ylength })
        .numbers({ &FrameWidth, &CurveWidth })
        .text(XTitle)
        .text(PhaseTitle)
        .text(AmplitudeTitle)
        .text(Title);
    return items;
}

} // namespace kavel
