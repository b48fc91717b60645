#pragma once

#include "framework/ui/viewerwindow.h"

namespace kavel {

class WesparViewer;

// WESPAR's main window: the common one with the file dialog that chooses
// between the deflection file and the rotor model.
class WesparWindow final : public ViewerWindow {
public:
    explicit WesparWindow(WesparViewer& viewer, QWidget* parent = nullptr);

protected:
    FileOpenDialog* createFileDialog() override;

private:
    WesparViewer& m_viewer;
};

} // namespace kavel
