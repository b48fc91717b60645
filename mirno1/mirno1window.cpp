#include "mirno1window.h"

namespace kavel {

MainWindowLayout Mirno1WindowLayout()
{
    MainWindowLayout layout;
    layout.picture = { 0, 0, 7875, 4364 };
    const int lefts[] = { 480, 1605, 2805, 4005, 5205, 6405 };
    for (std::size_t n = 0; n < layout.buttons.size(); ++n)
        layout.buttons[n] = { lefts[n], 4560, 973, 372 };
    return layout;
}

} // namespace kavel
