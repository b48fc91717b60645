#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace kavel {

class Mirno1Viewer;

// "MIRNO1/E  Editing": the axis ranges, pitches and chart lengths, the three
// titles, the result's comment and the eleven mode boxes ("1" to "10" and
// "All").
class Mirno1EditDialog final : public EditDialog {
    Q_OBJECT
public:
    Mirno1EditDialog(Mirno1Viewer& viewer, QWidget* parent);

protected:
    bool apply() override;

private:
    Mirno1Viewer& m_viewer;
    // Text1 .. Text12 at indexes 1 .. 12.
    std::array<QLineEdit*, 13> m_text {};
    std::array<QCheckBox*, 11> m_check1 {};
};

} // namespace kavel
