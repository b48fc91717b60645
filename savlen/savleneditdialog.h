#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace kavel {

class SavlenViewer;

// "SAVLEN/E  Editing rotor model": the axis ranges, pitches and chart
// lengths, the three titles, the data file's comment, ContourMode and
// ShowNumbers.
class SavlenEditDialog final : public EditDialog {
    Q_OBJECT
public:
    SavlenEditDialog(SavlenViewer& viewer, QWidget* parent);

protected:
    bool apply() override;

private:
    SavlenViewer& m_viewer;
    // Text1 .. Text13 at indexes 1 .. 13.
    std::array<QLineEdit*, 14> m_text {};
    QCheckBox* m_check1 = nullptr;
};

} // namespace kavel
