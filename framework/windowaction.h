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

// Whether "5" restores the defaults in a window, or does nothing there
// while the button does.
enum class KeyFive { RestoresDefaults, DoesNothing };

// The number keys most windows share: "1" to "6" each run the button of
// that number.
inline KeyTable numberKeys(KeyFive five)
{
    KeyTable keys {
        { u'1', WindowAction::OpenDataFile },
        { u'2', WindowAction::EditSettings },
        { u'3', WindowAction::Plot },
        { u'4', WindowAction::Print },
        { u'5', WindowAction::RestoreDefaults },
        { u'6', WindowAction::Quit },
    };
    if (five == KeyFive::DoesNothing)
        keys.erase(keys.begin() + 4);
    return keys;
}

} // namespace kavel
