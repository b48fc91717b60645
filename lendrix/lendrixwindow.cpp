#include "lendrixwindow.h"

#include "framework/ui/fileopendialog.h"

namespace kavel {

FileOpenDialog* LendrixWindow::createFileDialog()
{
    FileOpenDialog* dialog = ViewerWindow::createFileDialog();
    dialog->setObjectName(QStringLiteral("Qopen"));
    return dialog;
}

} // namespace kavel
