#pragma once

#include "framework/ui/viewerwindow.h"

namespace kavel {

class ValdenViewer;

// The VALDEN main window: the common one with a seventh button, Command7,
// that switches between the XY and the Gauss chart and always names the
// chart it switches to ("Gauss" at start, then "XY").
class ValdenWindow final : public ViewerWindow {
    Q_OBJECT
public:
    explicit ValdenWindow(ValdenViewer& viewer, QWidget* parent = nullptr);

    QPushButton* chartButton() const { return m_command7; }

public slots:
    // "Gauss"/"XY" (Command7): shows the other chart.
    void switchChart();
    // "2:Edit": the dialog of the chart shown. An open dialog of the other
    // chart gives way to it as by its Cancel.
    void editSettings() override;

private:
    ValdenViewer& m_valden;
    QPushButton* m_command7;
};

} // namespace kavel
