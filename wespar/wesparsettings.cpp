#include "wesparsettings.h"

namespace kavel {

SettingsLayout WesparSettings::layout()
{
    SettingsLayout items;
    items.axis(X).axis(Y).axis(R).numbers({ &FrameWidth, &CurveWidth, &ContourMode }).text(XTitle).text(YTitle).text(RTitle).text(Title);
    return items;
}

} // namespace kavel
