#include "valdenwindow.h"

#include "valdeneditdialogs.h"
#include "valdenviewer.h"

#include <QPushButton>

namespace kavel {

namespace {

// The common design with the picture ending just above Command7, which sits
// over "6:Quit" at the right; below the picture it moves with the window's
// bottom edge like the other buttons.
MainWindowLayout valdenLayout()
{
    MainWindowLayout layout;
    layout.picture = { 0, 0, 7875, 3945 };
    return layout;
}

const TwipsRect kCommand7 { 6960, 3960, 855, 372 };

QString chartButtonCaption(int ChartMode)
{
    return ChartMode == ValdenViewer::XYChart ? QStringLiteral("Gauss") : QStringLiteral("XY");
}

} // namespace

ValdenWindow::ValdenWindow(ValdenViewer& viewer, QWidget* parent)
    : ViewerWindow(viewer, valdenLayout(), parent)
    , m_valden(viewer)
{
    m_command7 = addButton(QStringLiteral("Command7"), chartButtonCaption(viewer.ChartMode), kCommand7);
    connect(m_command7, &QPushButton::clicked, this, &ValdenWindow::switchChart);
}

void ValdenWindow::switchChart()
{
    m_valden.ChartMode = m_valden.ChartMode == ValdenViewer::XYChart ? ValdenViewer::GaussChart : ValdenViewer::XYChart;
    m_command7->setText(chartButtonCaption(m_valden.ChartMode));
    plot();
}

void ValdenWindow::editSettings()
{
    const QString own = m_valden.ChartMode == ValdenViewer::XYChart ? QStringLiteral("Form2") : QStringLiteral("Form3");
    for (ValdenEditDialog* dialog : findChildren<ValdenEditDialog*>()) {
        if (dialog->isVisible() && dialog->objectName() != own)
            dialog->reject();
    }
    ViewerWindow::editSettings();
}

} // namespace kavel
