#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace kavel {

class MirnokViewer;

// "MIRNOK/E  Editing rotor model": the shaft and deflection axes, the view
// angle, the titles, the animation step, the result's comment and the
// thirteen mode boxes ("1" to "12" and "All").
class MirnokEditDialog final : public EditDialog {
    Q_OBJECT
public:
    MirnokEditDialog(MirnokViewer& viewer, QWidget* parent);

    QCheckBox* modeBox(int index) const { return m_check1[std::size_t(index)]; }

protected:
    bool apply() override;

private:
    MirnokViewer& m_viewer;
    // Text1 .. Text15 at indexes 1 .. 15.
    std::array<QLineEdit*, 16> m_text {};
    std::array<QCheckBox*, 13> m_check1 {};
};

} // namespace kavel
