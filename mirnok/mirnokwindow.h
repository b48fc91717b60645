#pragma once

#include "framework/ui/viewerwindow.h"

#include <QTimer>

class QLabel;

namespace kavel {

class MirnokViewer;

// Form1 of MIRNOK, "DASMOR6/D  Drawing": the common window in its own
// design, without keyboard shortcuts, with the "Anime" button (Command5)
// over the picture and the animation timer Timer1. Its "5:Default" button
// is Command7.
class MirnokWindow final : public ViewerWindow {
    Q_OBJECT
public:
    explicit MirnokWindow(MirnokViewer& viewer, QWidget* parent = nullptr);

    static MainWindowLayout designLayout();

    QPushButton* animeButton() const { return m_command5; }
    QTimer* timer1() { return &m_timer1; }
    // Why the animation stands still, shown under "Anime" while it does.
    QLabel* animeStatus() const { return m_status; }

public slots:
    // Start-up: the animation stopped, every mode shown, the working
    // settings, the default result with its diagnostic file and the
    // outline, the chart.
    void Form_Load() override;
    // "Anime" starts the animation from phase 0 (the caption becomes
    // "Stop"); pressed again it stops and plots the whole chart.
    void toggleAnimation();
    // Every 100 ms while running: the whole chart redrawn at the next phase.
    void Timer1_Timer();

protected:
    void Form_Unload() override;
    FileOpenDialog* createFileDialog() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeStatus();

    MirnokViewer& m_mirnok;
    QPushButton* m_command5;
    QLabel* m_status;
    QTimer m_timer1;
};

} // namespace kavel
