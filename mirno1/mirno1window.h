#pragma once

#include "framework/ui/viewerwindow.h"

namespace kavel {

// MIRNO1's own design of the common main window: the buttons a little left
// of the common places, the picture one twip taller.
MainWindowLayout Mirno1WindowLayout();

} // namespace kavel
