#pragma once

#include <QDialog>

namespace kavel {

// Placeholder: the common editing-dialog mechanism ("O.K" takes the fields
// over and replots, "Cancel" closes; Enter and Esc act as they do).
class EditDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditDialog(QWidget* parent = nullptr);
};

} // namespace kavel
