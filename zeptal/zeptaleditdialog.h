#pragma once

#include "framework/ui/editdialog.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace kavel {

class CheckBoxGrid;
class ZeptalViewer;

// Form2, "ZEPTAL/E  Editing": the speed and amplitude axes, the four
// titles, the file comment, Bode or polar, and which curves are drawn.
// O.K changes only memory; the main window writes the settings at unload.
class ZeptalEditDialog final : public EditDialog {
    Q_OBJECT
public:
    ZeptalEditDialog(ZeptalViewer& viewer, QWidget* parent);

    QRadioButton* option1() const { return m_option1; }
    QRadioButton* option2() const { return m_option2; }

protected:
    bool apply() override;

private:
    QLineEdit* text(int n) const { return m_text[std::size_t(n)]; }

    ZeptalViewer& m_viewer;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
    CheckBoxGrid* m_flags;
    // Text1 … Text13 at indexes 1 … 13.
    std::array<QLineEdit*, 14> m_text {};
};

} // namespace kavel
