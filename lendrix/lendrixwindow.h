#pragma once

#include "framework/ui/viewerwindow.h"

namespace kavel {

// Form1 of Lendrix: the common window, whose file dialog is named Qopen.
class LendrixWindow final : public ViewerWindow {
    Q_OBJECT
public:
    using ViewerWindow::ViewerWindow;

protected:
    FileOpenDialog* createFileDialog() override;
};

} // namespace kavel
