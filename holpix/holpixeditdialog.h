#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class HolpixViewer;

// "HOLPIX/E  Editing rotor model": the axis ranges, pitches and chart
// lengths, the titles, the data file's comment, LIN or LOG for each axis,
// and which curves are drawn ("Crtcal" and "0 rpm" for modes S1 to S6 and
// "All").
class HolpixEditDialog final : public EditDialog {
    Q_OBJECT
public:
    HolpixEditDialog(HolpixViewer& viewer, QWidget* parent);
};

} // namespace kavel
