#pragma once

#include "framework/ui/editdialog.h"

namespace kavel {

class SavlenViewer;

// "SAVLEN/E  Editing rotor model".
class SavlenEditDialog final : public EditDialog {
    Q_OBJECT
public:
    SavlenEditDialog(SavlenViewer& viewer, QWidget* parent);

private:
    SavlenViewer& m_viewer;
};

} // namespace kavel
