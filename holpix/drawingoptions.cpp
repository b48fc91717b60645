#include "drawingoptions.h"

namespace kavel {

AxisOptions InitialAxisOptions()
{
    AxisOptions options {};
    options[kXLog] = 1;
    options[kYLog] = 1;
    return options;
}

} // namespace kavel
