#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class LendrixViewer;

// "Lendrix/E  Editing": the axis ranges, pitches and chart lengths, the
// three titles, the model's comment, the eleven column boxes "1" … "10",
// "All", and the "Number of Element" box, which draws nothing.
class LendrixEditDialog final : public EditDialog {
    Q_OBJECT
public:
    LendrixEditDialog(LendrixViewer& viewer, QWidget* parent);
};

} // namespace kavel
