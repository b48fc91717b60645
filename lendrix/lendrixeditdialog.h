#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace kavel {

class CheckBoxGrid;
class LendrixViewer;

// "Lendrix/E  Editing": the axis ranges, pitches and chart lengths, the
// three titles, the model's comment, the eleven column boxes "1" … "10",
// "All", and the "Number of Element" box, which draws nothing.
class LendrixEditDialog final : public EditDialog {
    Q_OBJECT
public:
    LendrixEditDialog(LendrixViewer& viewer, QWidget* parent);

protected:
    bool apply() override;

private:
    LendrixViewer& m_viewer;
    // Text1 .. Text12 at indexes 1 .. 12.
    std::array<QLineEdit*, 13> m_text {};
    CheckBoxGrid* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
};

} // namespace kavel
