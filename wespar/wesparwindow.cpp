#include "wesparwindow.h"

#include "wesparfiledialog.h"
#include "wesparviewer.h"

namespace kavel {

WesparWindow::WesparWindow(WesparViewer& viewer, QWidget* parent)
    : ViewerWindow(viewer, {}, parent)
    , m_viewer(viewer)
{
}

FileOpenDialog* WesparWindow::createFileDialog()
{
    return new WesparFileDialog(m_viewer, this);
}

} // namespace kavel
