#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class SavlenViewer;

// "SAVLEN/E  Editing rotor model": the axis ranges, pitches and chart
// lengths, the three titles, the data file's comment, ContourMode and
// ShowNumbers.
class SavlenEditDialog final : public EditDialog {
    Q_OBJECT
public:
    SavlenEditDialog(SavlenViewer& viewer, QWidget* parent);
};

} // namespace kavel
