#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace kavel {

class CheckBoxGrid;
class HolpixViewer;

// "HOLPIX/E  Editing rotor model": the axis ranges, pitches and chart
// lengths, the titles, the data file's comment, LIN or LOG for each axis,
// and which curves are drawn ("Crtcal" and "0 rpm" for modes S1 to S6 and
// "All").
class HolpixEditDialog final : public EditDialog {
    Q_OBJECT
public:
    HolpixEditDialog(HolpixViewer& viewer, QWidget* parent);

protected:
    bool apply() override;

private:
    HolpixViewer& m_viewer;
    // Text1 .. Text12 at indexes 1 .. 12.
    std::array<QLineEdit*, 13> m_text {};
    // Option1 .. Option4 at indexes 1 .. 4.
    std::array<QRadioButton*, 5> m_option {};
    // Check1(0) .. Check1(13): the curveFlags.
    CheckBoxGrid* m_flags = nullptr;
};

} // namespace kavel
