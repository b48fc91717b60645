#include "savleneditdialog.h"

#include "savlenviewer.h"

namespace kavel {

SavlenEditDialog::SavlenEditDialog(SavlenViewer& viewer, QWidget* parent)
    : EditDialog(parent)
    , m_viewer(viewer)
{
}

} // namespace kavel
