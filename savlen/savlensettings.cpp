#include "savlensettings.h"

namespace kavel {

SettingsLayout SavlenSettings::layout()
{
    SettingsLayout items;
    items.axis(X).axis(Y).numbers({ &FrameWidth, &SpareFlag, &ContourMode }).text(XTitle).text(YTitle).text(Title);
    return items;
}

} // namespace kavel
