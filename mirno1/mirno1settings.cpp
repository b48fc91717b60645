#include "mirno1settings.h"

namespace kavel {

SettingsLayout Mirno1Settings::layout()
{
    SettingsLayout items;
    items.axis(X).axis(Y).numbers({ &FrameWidth, &SpareFlag }).text(XTitle).text(YTitle).text(Title);
    return items;
}

} // namespace kavel
