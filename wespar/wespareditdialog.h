#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class WesparViewer;

// "WESPAR/E  Editing rotor model": the shared x axis, the deflection and
// outline axes, the four titles, the deflection file's comment and
// ContourMode.
class WesparEditDialog final : public EditDialog {
    Q_OBJECT
public:
    WesparEditDialog(WesparViewer& viewer, QWidget* parent);
};

} // namespace kavel
