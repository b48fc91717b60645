#include "viewerwindow.h"

#include "chartexportmenu.h"
#include "editdialog.h"
#include "fileopendialog.h"
#include "keyhelp.h"
#include "keypreview.h"
#include "livereload.h"
#include "picturearea.h"
#include "resultspanel.h"
#include "statusline.h"

#include "framework/output/chartoutput.h"
#include "framework/settings/chartsettings.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <cmath>

namespace kavel {

namespace {

ViewerWindow::PrintFileChooser& printFileChooser()
{
    static ViewerWindow::PrintFileChooser chooser;
    return chooser;
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

// The window opens somewhat larger than its design, which was made for a
// 640 × 480 screen.
constexpr double kOpeningScale = 1.5;

// The results panel's width in pixels, beside the design.
constexpr int kResultsPanelWidth = 400;

// A notch of the wheel narrows the ranges to this share (widens them by
// its inverse).
constexpr double kWheelZoom = 0.8;

QAction* separator(QObject* parent)
{
    auto* action = new QAction(parent);
    action->setSeparator(true);
    return action;
}

} // namespace

ViewerWindow::ViewerWindow(Viewer& viewer, const MainWindowLayout& layout, QWidget* parent)
    : QWidget(parent)
    , m_viewer(viewer)
    , m_layout(layout)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(viewer.identity().mainCaption);

    m_picture = new PictureArea(this);
    m_placed.emplace_back(m_picture, m_layout.picture);
    m_status = new StatusLine(this);
    connect(m_picture, &PictureArea::cursorMoved, this, &ViewerWindow::readCursor);
    connect(m_picture, &PictureArea::cursorLeft, this, [this] {
        m_reading.reset();
        m_status->setReadout({});
    });
    connect(m_picture, &PictureArea::rectangleDragged, this, &ViewerWindow::zoomTo);
    connect(m_picture, &PictureArea::wheelTurned, this, [this](const QPointF& chart, double steps) { zoomAbout(chart, std::pow(kWheelZoom, steps)); });
    connect(m_picture, &PictureArea::doubleClicked, this, &ViewerWindow::restoreZoom);

    const QStringList captions {
        QStringLiteral("1:File"),
        QStringLiteral("2:Edit"),
        QStringLiteral("3:Plot"),
        QStringLiteral("4:Print"),
        viewer.identity().defaultCaption,
        QStringLiteral("6:Quit"),
    };
    for (int i = 0; i < 6; ++i)
        m_buttons[std::size_t(i)] = addButton(QStringLiteral("Command%1").arg(i + 1), captions[i], m_layout.buttons[std::size_t(i)]);
    constexpr std::array buttonActions { WindowAction::OpenDataFile, WindowAction::EditSettings, WindowAction::Plot,
        WindowAction::Print, WindowAction::RestoreDefaults, WindowAction::Quit };
    for (std::size_t i = 0; i < buttonActions.size(); ++i)
        connect(m_buttons[i], &QPushButton::clicked, this, [this, action = buttonActions[i]] { run(action); });

    // Where the files stopped being readable, for whoever asks: the chart
    // itself stays silent. The picture's tooltip and its context menu (and
    // Ctrl+I) tell it.
    m_picture->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* report = new QAction(tr("Reading report"), this);
    report->setObjectName(QStringLiteral("readingReport"));
    report->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(report, &QAction::triggered, this, &ViewerWindow::showReadingReport);
    addPictureAction(report);

    // The results panel, beside the picture. Ctrl+R answers to no viewer's
    // typed keys (the digits) and to nothing else of the window.
    m_resultsPanel = new ResultsPanel(viewer, this);
    m_resultsPanel->setFixedWidth(kResultsPanelWidth);
    m_resultsPanel->hide();
    connect(m_resultsPanel, &ResultsPanel::inputsChanged, this, &ViewerWindow::plot);
    m_resultsAction = new QAction(tr("Results panel"), this);
    m_resultsAction->setObjectName(QStringLiteral("showResults"));
    m_resultsAction->setCheckable(true);
    m_resultsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_resultsAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_resultsAction, &QAction::toggled, this, &ViewerWindow::setResultsPanelOpen);
    addPictureAction(m_resultsAction);
    addZoomActions();
    new ChartExportMenu(*this);
    m_liveReload = new LiveReload(*this);
    addPictureAction(separator(this));
    addPictureAction(m_liveReload->toggle());
    addPictureAction(separator(this));
    auto* keys = new QAction(tr("Keys..."), this);
    keys->setObjectName(QStringLiteral("keyHelp"));
    keys->setShortcut(QKeySequence(QKeySequence::HelpContents));
    connect(keys, &QAction::triggered, this, &ViewerWindow::showKeys);
    addPictureAction(keys);

    // The window sees the typed keys before whichever control has the focus,
    // except what is typed into the results panel's boxes.
    new KeyPreview(this, [this](QKeyEvent& event) {
        if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        if (m_resultsPanel->isAncestorOf(QApplication::focusWidget()))
            return false;
        const QString text = event.text();
        return text.size() == 1 && Form_KeyPress(text.front());
    });

    const QSize design = TwipsRect { 0, 0, m_layout.client.width(), m_layout.client.height() }.toPixels().size();
    const int pictureHeight = m_layout.picture.toPixels().height();
    setMinimumSize(design);
    resize(qRound(design.width() * kOpeningScale), design.height() + qRound(pictureHeight * (kOpeningScale - 1)));
}

ViewerWindow::~ViewerWindow() = default;

QPushButton* ViewerWindow::button(int n) const
{
    return n >= 1 && n <= 6 ? m_buttons[std::size_t(n - 1)] : nullptr;
}

QPushButton* ViewerWindow::addButton(const QString& name, const QString& caption, const TwipsRect& rect)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    m_placed.emplace_back(button, rect);
    relayout();
    return button;
}

void ViewerWindow::addPictureAction(QAction* action)
{
    if (!action->isSeparator())
        action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    m_picture->addAction(action);
}

void ViewerWindow::addZoomActions()
{
    addPictureAction(separator(this));
    auto* restore = new QAction(tr("Ranges before zooming"), this);
    restore->setObjectName(QStringLiteral("restoreZoom"));
    restore->setShortcuts({ QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_Escape) });
    connect(restore, &QAction::triggered, this, &ViewerWindow::restoreZoom);
    addPictureAction(restore);
    // The keys' way to the wheel: about the middle of the first frame.
    const auto middle = [this]() -> std::optional<QPointF> {
        for (const PlotArea& area : m_picture->surface().areas()) {
            if (area.frame)
                return area.frame->center();
        }
        return std::nullopt;
    };
    auto* in = new QAction(tr("Zoom in"), this);
    in->setObjectName(QStringLiteral("zoomIn"));
    in->setShortcuts(QKeySequence::ZoomIn);
    connect(in, &QAction::triggered, this, [this, middle] {
        if (const auto at = middle())
            zoomAbout(*at, kWheelZoom);
    });
    addPictureAction(in);
    auto* out = new QAction(tr("Zoom out"), this);
    out->setObjectName(QStringLiteral("zoomOut"));
    out->setShortcuts(QKeySequence::ZoomOut);
    connect(out, &QAction::triggered, this, [this, middle] {
        if (const auto at = middle())
            zoomAbout(*at, 1 / kWheelZoom);
    });
    addPictureAction(out);
}

void ViewerWindow::zoomTo(const QRectF& chart)
{
    if (m_zoom.zoomTo(m_picture->surface().areas(), chart, m_viewer.settingsLayout()))
        plot();
}

void ViewerWindow::zoomAbout(const QPointF& chart, double factor)
{
    if (m_zoom.zoomAbout(m_picture->surface().areas(), chart, factor, m_viewer.settingsLayout()))
        plot();
}

void ViewerWindow::restoreZoom()
{
    if (m_zoom.restore())
        plot();
}

void ViewerWindow::readCursor(const QPointF& chart)
{
    m_reading = ReadCursor(m_picture->surface().areas(), chart);
    m_status->setReadout(m_reading ? m_reading->text() : QString());
}

void ViewerWindow::setPrintFileChooser(PrintFileChooser chooser)
{
    printFileChooser() = std::move(chooser);
}

// Horizontally everything keeps its share of the width. The picture takes
// the height the window gains; what lies below it moves down with the
// bottom edge, what lies over it stays where it is.
int ViewerWindow::panelWidth() const
{
    return m_resultsPanelOpen ? kResultsPanelWidth : 0;
}

void ViewerWindow::relayout()
{
    const QSize design = TwipsRect { 0, 0, m_layout.client.width(), m_layout.client.height() }.toPixels().size();
    const int mainWidth = std::max(1, width() - panelWidth());
    const double sx = design.width() > 0 ? double(mainWidth) / design.width() : 1.0;
    if (m_resultsPanelOpen)
        m_resultsPanel->setGeometry(mainWidth, 0, panelWidth(), height());
    const int extraHeight = height() - design.height();
    const int pictureBottom = m_layout.picture.top + m_layout.picture.height;
    for (const auto& [widget, rect] : m_placed) {
        const QRect r = rect.toPixels();
        const int left = qRound(r.left() * sx);
        const int right = qRound((r.left() + r.width()) * sx);
        if (widget == m_picture) {
            // The status line takes its height from the picture's bottom.
            const int status = m_status->lineHeight();
            const int height = std::max(0, r.height() + extraHeight - status);
            widget->setGeometry(left, r.top(), right - left, height);
            m_status->setGeometry(left, r.top() + height, right - left, status);
        } else
            widget->setGeometry(left, rect.top >= pictureBottom ? r.top() + extraHeight : r.top(), right - left, r.height());
    }
}

void ViewerWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

bool ViewerWindow::Form_KeyPress(QChar key)
{
    for (const KeyBinding& binding : m_viewer.identity().keys) {
        if (binding.key == key) {
            run(binding.action);
            return true;
        }
    }
    return false;
}

void ViewerWindow::run(WindowAction action)
{
    switch (action) {
    case WindowAction::OpenDataFile:
        openDataFile();
        return;
    case WindowAction::EditSettings:
        editSettings();
        return;
    case WindowAction::Plot:
        plot();
        return;
    case WindowAction::Print:
        print();
        return;
    case WindowAction::RestoreDefaults:
        restoreDefaults();
        return;
    case WindowAction::Quit:
        quit();
        return;
    }
}

void ViewerWindow::Form_Load()
{
    // The readers are silent: whatever they could not read keeps its
    // initial value, and the chart is drawn from what is there.
    m_viewer.load();
    readResultsState();
    plot();
}

void ViewerWindow::readResultsState()
{
    m_savedResults = m_viewer.readResultsState();
    setResultsPanelOpen(m_savedResults.panelOpen);
}

void ViewerWindow::setResultsPanelOpen(bool open)
{
    if (open == m_resultsPanelOpen)
        return;
    const QSize design = TwipsRect { 0, 0, m_layout.client.width(), m_layout.client.height() }.toPixels().size();
    m_resultsPanelOpen = open;
    {
        const QSignalBlocker quiet(m_resultsAction);
        m_resultsAction->setChecked(open);
    }
    // The width wanted before the new minimum moves it.
    const int wanted = width() + (open ? kResultsPanelWidth : -kResultsPanelWidth);
    setMinimumWidth(design.width() + panelWidth());
    if (!isMaximized() && !isFullScreen())
        resize(wanted, height());
    m_resultsPanel->setVisible(open);
    relayout();
    if (open)
        m_resultsPanel->refresh();
}

ResultsState ViewerWindow::resultsState() const
{
    return { m_viewer.resultInputs, m_resultsPanelOpen };
}

FileOpenDialog* ViewerWindow::createFileDialog()
{
    return new FileOpenDialog(m_viewer, this);
}

void ViewerWindow::openDataFile()
{
    std::unique_ptr<FileOpenDialog> dialog(createFileDialog());
    connect(dialog.get(), &FileOpenDialog::confirmed, this, &ViewerWindow::plot);
    dialog->exec();
}

void ViewerWindow::editSettings()
{
    if (m_editDialog && m_editDialog->isVisible()) {
        m_editDialog->raise();
        m_editDialog->activateWindow();
        return;
    }
    EditDialog* dialog = m_viewer.createEditDialog(this);
    if (!dialog)
        return;
    m_editDialog = dialog;
    // Accepted while zoomed, the dialog's ranges are the settings now.
    connect(dialog, &EditDialog::confirmed, this, [this] { m_zoom.keep(); });
    connect(dialog, &EditDialog::confirmed, this, &ViewerWindow::plot);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ViewerWindow::showKeys()
{
    if (auto* open = findChild<KeyHelp*>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* help = new KeyHelp(*this);
    help->show();
}

void ViewerWindow::showReadingReport()
{
    const QString report = m_viewer.readingReport();
    showMessage(this, m_viewer.readingsComplete() ? QMessageBox::Information : QMessageBox::Warning, m_viewer.identity().mainCaption,
        report.isEmpty() ? tr("No file has been read.") : report);
}

void ViewerWindow::plot()
{
    m_picture->setToolTip(m_viewer.readingReport());
    m_viewer.plot(m_picture->surface());
    m_picture->setChartRegion(m_viewer.drawnRegion(m_picture->recording()));
    if (m_resultsPanelOpen)
        m_resultsPanel->refresh();
    // The files read may have changed (the file dialog, a reread).
    m_liveReload->sync();
    emit plotted();
}

void ViewerWindow::print()
{
    RecordingSurface page(SurfaceKind::Printer);
    m_viewer.print(page);
    const std::optional<QRectF> drawn = m_viewer.drawnRegion(page);

    QString error;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        error = ChartOutput::print(page.ops(), printer, drawn);
    } else {
        // Without a printer the page goes into a PDF file of the user's
        // choice, offered beside the data it shows.
        const QString offered = QFileInfo(m_viewer.dataPath).absoluteDir().filePath(m_viewer.identity().exportName() + QStringLiteral(".pdf"));
        const QString path = printFileChooser() ? printFileChooser()(this, offered)
                                                : QFileDialog::getSaveFileName(this, tr("Print to PDF"), offered, tr("PDF files (*.pdf)"));
        if (path.isEmpty())
            return;
        error = ChartOutput::writePdf(page.ops(), SurfaceKind::Printer, path, drawn);
        if (error.isEmpty())
            m_status->setFileStatus(tr("No printer: the page was written to %1").arg(QDir::toNativeSeparators(path)));
    }
    if (!error.isEmpty())
        showMessage(this, QMessageBox::Warning, m_viewer.identity().mainCaption, error);
}

void ViewerWindow::restoreDefaults()
{
    const QString error = m_viewer.restoreFactorySettings();
    if (error.isEmpty())
        showMessage(this, QMessageBox::NoIcon, QString(), QStringLiteral("設定値をデフォルト値に戻しました"));
    else
        showMessage(this, QMessageBox::Warning, QString(), error);
    // After a failed copy this reads the working file as it was.
    m_viewer.readSettings(m_viewer.workingSettingsPath());
    m_zoom.keep();
    plot();
}

void ViewerWindow::quit()
{
    close();
}

void ViewerWindow::Form_Unload()
{
    // A zoom is a view: the file gets the ranges from before it.
    m_zoom.restore();
    QStringList errors { m_viewer.writeSettings(m_viewer.workingSettingsPath()) };
    const ResultsState results = resultsState();
    if (results != m_savedResults) {
        errors << WriteResultsState(m_viewer.resultsStatePath(), results, m_viewer.resultInputKinds());
        if (errors.back().isEmpty())
            m_savedResults = results;
    }
    errors.removeAll(QString());
    if (!errors.isEmpty())
        showMessage(this, QMessageBox::Critical, m_viewer.identity().mainCaption, errors.join(QLatin1Char('\n')));
}

void ViewerWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    if (m_editDialog) {
        m_editDialog->hide();
        m_editDialog->deleteLater();
    }
    event->accept();
    emit unloaded();
}

} // namespace kavel
