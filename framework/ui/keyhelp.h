#pragma once

#include <QDialog>
#include <QStringList>
#include <utility>
#include <vector>

namespace kavel {

class ViewerWindow;

// F1: every key of a viewer's window in a small window of its own: the
// viewer's number keys with the buttons they press, each menu entry's
// shortcut, and what the mouse does on the picture. It stays open beside
// the chart until closed.
class KeyHelp final : public QDialog {
    Q_OBJECT
public:
    explicit KeyHelp(ViewerWindow& window);

    // The rows shown: the key, what it does.
    static std::vector<std::pair<QString, QString>> rows(ViewerWindow& window);
};

} // namespace kavel
