#include "editdialog.h"

namespace kavel {

EditDialog::EditDialog(QWidget* parent)
    : QDialog(parent)
{
}

} // namespace kavel
