#pragma once

#include "framework/ui/editdialog.h"

class QRadioButton;

namespace kavel {

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

private:
    QRadioButton* m_option1;
    QRadioButton* m_option2;
};

} // namespace kavel
