#include "mirnokwindow.h"

#include "mirnokviewer.h"

#include "framework/ui/fileopendialog.h"
#include "framework/ui/picturearea.h"

#include <QLabel>
#include <QPushButton>

namespace kavel {

namespace {

constexpr int kTimerInterval = 100;

// The file dialog's O.K reads the result alone: the animation step, the
// diagnostic file and the outline stay as start-up left them.
class MirnokFileDialog final : public FileOpenDialog {
public:
    MirnokFileDialog(MirnokViewer& viewer, QWidget* parent)
        : FileOpenDialog(viewer, parent)
        , m_mirnok(viewer)
    {
    }

protected:
    void readChosenFile(const QString& path) override
    {
        m_mirnok.dataPath = path;
        m_mirnok.readings.data = m_mirnok.ReadResultFile(path);
    }

private:
    MirnokViewer& m_mirnok;
};

} // namespace

MainWindowLayout MirnokWindow::designLayout()
{
    MainWindowLayout layout;
    layout.client = { 8835, 6015 };
    layout.picture = { 0, 0, 8835, 5325 };
    layout.buttons = { {
        { 1035, 5520, 973, 372 },
        { 2160, 5520, 973, 372 },
        { 3360, 5520, 973, 372 },
        { 4560, 5520, 973, 372 },
        { 5760, 5520, 975, 375 },
        { 6960, 5520, 973, 372 },
    } };
    return layout;
}

MirnokWindow::MirnokWindow(MirnokViewer& viewer, QWidget* parent)
    : ViewerWindow(viewer, designLayout(), parent)
    , m_mirnok(viewer)
{
    // In this window Command5 is "Anime"; "5:Default" is Command7.
    button(5)->setObjectName(QStringLiteral("Command7"));

    m_command5 = addButton(QStringLiteral("Command5"), QStringLiteral("Anime"), { 7680, 600, 973, 372 });
    connect(m_command5, &QPushButton::clicked, this, &MirnokWindow::toggleAnimation);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("AnimeStatus"));
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_status->setStyleSheet(QStringLiteral("QLabel { color: #800000; background: #fff4f4; border: 1px solid #c08080; padding: 2px; }"));
    m_status->hide();
    placeStatus();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(kTimerInterval);
    connect(&m_timer1, &QTimer::timeout, this, &MirnokWindow::Timer1_Timer);
}

void MirnokWindow::Form_Load()
{
    m_timer1.stop();
    m_mirnok.animation.stop();
    m_command5->setText(QStringLiteral("Anime"));
    m_status->hide();
    m_mirnok.modeShown = ModeShown::atStart();
    m_mirnok.dataPath = m_mirnok.defaultDataPath();
    m_mirnok.readSettings(m_mirnok.workingSettingsPath());
    m_mirnok.ReadModeShapeFiles(m_mirnok.dataPath, m_mirnok.outlinePath());
    readResultsState();
    plot();
}

void MirnokWindow::toggleAnimation()
{
    if (!m_mirnok.animation.isRunning()) {
        m_mirnok.animation.start();
        m_command5->setText(QStringLiteral("Stop"));
        m_timer1.start();
    } else {
        m_mirnok.animation.stop();
        m_command5->setText(QStringLiteral("Anime"));
        m_timer1.stop();
        m_status->hide();
        // The frames leave the legend out; stopped, the chart is whole again.
        plot();
    }
}

void MirnokWindow::Timer1_Timer()
{
    if (!m_mirnok.animation.isRunning())
        return;
    const ModeChartOutcome outcome = m_mirnok.Timer1_Timer(picture()->surface());
    picture()->update();
    // The frame stays as it is until the settings allow a whole drawing;
    // the user is told why nothing moves.
    if (outcome.complete()) {
        m_status->hide();
    } else {
        m_status->setText(QStringLiteral("Animation halted at %1 deg: %2").arg(double(m_mirnok.animation.phi())).arg(outcome.failure));
        placeStatus();
        m_status->show();
        m_status->raise();
    }
}

void MirnokWindow::Form_Unload()
{
    m_timer1.stop();
    ViewerWindow::Form_Unload();
}

FileOpenDialog* MirnokWindow::createFileDialog()
{
    return new MirnokFileDialog(m_mirnok, this);
}

void MirnokWindow::resizeEvent(QResizeEvent* event)
{
    ViewerWindow::resizeEvent(event);
    placeStatus();
}

// Under the "Anime" button, reaching to the left over the picture.
void MirnokWindow::placeStatus()
{
    if (!m_status || !m_command5)
        return;
    const QRect anime = m_command5->geometry();
    const int width = std::min(anime.right() + 1, std::max(anime.width() * 4, 320));
    const QSize hint = m_status->heightForWidth(width) > 0 ? QSize(width, m_status->heightForWidth(width)) : QSize(width, 40);
    m_status->setGeometry(anime.right() + 1 - width, anime.bottom() + 6, width, hint.height());
}

} // namespace kavel
