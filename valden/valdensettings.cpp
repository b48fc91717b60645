#include "valdensettings.h"

namespace kavel {

// Both ranges come before both pitches on the numeric lines.
SettingsLayout ValdenSettings::layout()
{
    SettingsLayout items;
    items.numbers({ &Xmin, &Xmax, &Ymin, &Ymax, &Xpitch, &Ypitch, &Xlength, &Ylength })
        .numbers({ &ReMin, &ReMax, &ImMin, &ImMax, &RePitch, &ImPitch, &ReLength, &ImLength })
        .numbers({ &FrameWidth, &CurveWidth })
        .text(XYXTitle)
        .text(GaussXTitle)
        .text(DampingTitle)
        .text(GaussYTitle)
        .text(FrequencyTitle)
        .text(XYTitle)
        .text(GaussTitle);
    return items;
}

} // namespace kavel
