#pragma once

#include <functional>
#include <memory>

namespace kavel {

class Viewer;
class ViewerWindow;

using ViewerFactory = std::function<std::unique_ptr<Viewer>()>;
// Builds the main window for a viewer whose window has more to it than the
// common one; the default builds a plain ViewerWindow.
using WindowFactory = std::function<std::unique_ptr<ViewerWindow>(Viewer& viewer)>;

// The whole life of a viewer program: ends at once (exit code 0, nothing
// shown) when the program already runs; otherwise loads, plots, shows the
// main window and runs until it is closed.
int runViewer(int argc, char** argv, ViewerFactory make, WindowFactory makeWindow = {});

} // namespace kavel
