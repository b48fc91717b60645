#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QLineEdit;

namespace kavel {

class WesparViewer;

// "WESPAR/E  Editing rotor model": the shared x axis, the deflection and
// outline axes, the four titles, the deflection file's comment and
// ContourMode.
class WesparEditDialog final : public EditDialog {
    Q_OBJECT
public:
    WesparEditDialog(WesparViewer& viewer, QWidget* parent);

protected:
    bool apply() override;

private:
    WesparViewer& m_viewer;
    // Text1 .. Text18 at indexes 1 .. 18.
    std::array<QLineEdit*, 19> m_text {};
};

} // namespace kavel
