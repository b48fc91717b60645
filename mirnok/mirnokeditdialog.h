#pragma once

#include "framework/ui/editdialog.h"

class QCheckBox;

namespace kavel {

class MirnokViewer;

// "MIRNOK/E  Editing rotor model": the shaft and deflection axes, the view
// angle, the titles, the animation step, the result's comment and the
// thirteen mode boxes ("1" to "12" and "All").
class MirnokEditDialog final : public EditDialog {
    Q_OBJECT
public:
    MirnokEditDialog(MirnokViewer& viewer, QWidget* parent);

    // Check1(index).
    QCheckBox* modeBox(int index) const;
};

} // namespace kavel
