#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class Mirno1Viewer;

// "MIRNO1/E  Editing": the axis ranges, pitches and chart lengths, the three
// titles, the result's comment and the eleven mode boxes ("1" to "10" and
// "All").
class Mirno1EditDialog final : public EditDialog {
    Q_OBJECT
public:
    Mirno1EditDialog(Mirno1Viewer& viewer, QWidget* parent);
};

} // namespace kavel
