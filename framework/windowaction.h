#pragma once

#include <QChar>
#include <vector>

namespace kavel {

// What the main window's buttons do, by name: "1:File" .. "6:Quit".
enum class WindowAction {
    OpenDataFile,    // "1:File"
    EditSettings,    // "2:Edit"
    Plot,            // "3:Plot"
    Print,           // "4:Print"
    RestoreDefaults, // "5:Default"
    Quit,            // "6:Quit"
};

// A character typed anywhere in the main window and the action it runs.
struct KeyBinding {
    QChar key;
    WindowAction action;
};

// A viewer's keys, one binding a line; a key not listed does nothing.
using KeyTable = std::vector<KeyBinding>;

} // namespace kavel
