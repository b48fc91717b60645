#pragma once

#include "chartcursor.h"
#include "twips.h"
#include "zoom.h"

#include "framework/results/resultsstate.h"
#include "framework/windowaction.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QPushButton;

namespace kavel {

class EditDialog;
class FileOpenDialog;
class LiveReload;
class PictureArea;
class ResultsPanel;
class StatusLine;
class Viewer;

// The design of a main window in twips: the client area, the picture and
// the buttons Command1 to Command6. The default is the common design.
struct MainWindowLayout {
    QSize client { 7875, 4965 };
    TwipsRect picture { 0, 0, 7875, 4363 };
    std::array<TwipsRect, 6> buttons { {
        { 555, 4554, 973, 372 },
        { 1680, 4554, 973, 372 },
        { 2880, 4554, 973, 372 },
        { 4080, 4554, 973, 372 },
        { 5280, 4554, 973, 372 },
        { 6480, 4554, 973, 372 },
    } };
};

// Form1, the main window every viewer shares: the chart in Picture1 and the
// numbered command buttons under it, driven by a Viewer, and beside them
// the results panel when it is open (Ctrl+R or the picture's context menu).
// The window can be resized: the picture takes the room, and the buttons
// keep their order and their share of the width left of the panel.
class ViewerWindow : public QWidget {
    Q_OBJECT
public:
    explicit ViewerWindow(Viewer& viewer, const MainWindowLayout& layout = {}, QWidget* parent = nullptr);
    ~ViewerWindow() override;

    Viewer& viewer() { return m_viewer; }
    PictureArea* picture() { return m_picture; }
    // Under the picture: what the cursor reads, what became of the files.
    StatusLine* statusLine() { return m_status; }
    // What the cursor read last over the chart; nullopt off the chart.
    const std::optional<CursorReading>& cursorReading() const { return m_reading; }
    // An entry of the picture's context menu, its shortcut working anywhere
    // in the window. Entries appear in the order they are added.
    void addPictureAction(QAction* action);
    // Command1 .. Command6 for n 1 .. 6.
    QPushButton* button(int n) const;
    // A further button after Command6 (VALDEN's "Gauss", MIRNOK's "Anime"):
    // placed and stretched like the others; the caller connects it.
    QPushButton* addButton(const QString& name, const QString& caption, const TwipsRect& rect);

    ResultsPanel* resultsPanel() const { return m_resultsPanel; }
    bool resultsPanelOpen() const { return m_resultsPanelOpen; }

    // Where "4:Print" writes its PDF when there is no printer, given the
    // path offered (the viewer's name in the data file's folder); tests set
    // it to skip the file dialog. An empty answer cancels the print.
    using PrintFileChooser = std::function<QString(QWidget* parent, const QString& offered)>;
    static void setPrintFileChooser(PrintFileChooser chooser);

public slots:
    // Start-up: the default data file and the working settings read, the
    // chart drawn. Run once before the window is shown.
    virtual void Form_Load();
    // "1:File" (Command1): the data file dialog, modal.
    virtual void openDataFile();
    // "2:Edit" (Command2): the editing dialog, without blocking the window;
    // one at a time.
    virtual void editSettings();
    // "3:Plot" (Command3).
    virtual void plot();
    // "4:Print" (Command4): the chart on one page of the default printer,
    // or in a PDF file when there is no printer.
    virtual void print();
    // "5:Default" (Command5): the factory settings copied over the working
    // file, reread and plotted.
    virtual void restoreDefaults();
    // "6:Quit" (Command6): closes the window, which saves the settings and
    // ends the program.
    virtual void quit();
    // Runs an action as its button or its key in the viewer's key table does.
    void run(WindowAction action);
    // The chart's ranges as they were before zooming (Home, Esc, a double
    // click); nothing when the chart is not zoomed.
    void restoreZoom();
    // Zooms the framed area under `chart` in (factor below 1) or out.
    void zoomAbout(const QPointF& chart, double factor);
    bool zoomed() const { return m_zoom.zoomed(); }
    // Rereads the data file and the outline when they change on disk.
    LiveReload* liveReload() const { return m_liveReload; }
    // How far each file was read, in a message box.
    void showReadingReport();
    // Opens or closes the results panel; the window grows or shrinks by its
    // width, so the picture keeps its size.
    void setResultsPanelOpen(bool open);
    // F1: every key of this window, in a window of its own.
    void showKeys();

signals:
    // After every plot on the picture area.
    void plotted();
    // The window has closed and written the settings: the program ends.
    void unloaded();

protected:
    // A key typed anywhere in the window runs its action from the viewer's
    // key table (ViewerIdentity::keys); true when the table has the key.
    bool Form_KeyPress(QChar key);
    // Writes the settings, and the results file when its state changed; a
    // failure is reported, and the window closes anyway.
    virtual void Form_Unload();
    // Start-up's reading of the results file: the inputs and marks into the
    // viewer, whether the results panel opens. Form_Load runs it after the
    // data and before the first plot.
    void readResultsState();
    // What the results file would now hold.
    ResultsState resultsState() const;
    // The "1:File" dialog; viewers whose dialog has more to it override this.
    virtual FileOpenDialog* createFileDialog();

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();
    int panelWidth() const;
    void zoomTo(const QRectF& chart);
    void addZoomActions();
    void readCursor(const QPointF& chart);

    Viewer& m_viewer;
    MainWindowLayout m_layout;
    PictureArea* m_picture;
    StatusLine* m_status;
    std::optional<CursorReading> m_reading;
    ChartZoom m_zoom;
    LiveReload* m_liveReload = nullptr;
    std::array<QPushButton*, 6> m_buttons {};
    std::vector<std::pair<QWidget*, TwipsRect>> m_placed;
    QPointer<EditDialog> m_editDialog;
    // As read at start or last written: the file is written only when the
    // state has changed, so a viewer whose results were never touched
    // leaves no file behind.
    ResultsState m_savedResults;
    bool m_resultsPanelOpen = false;
    ResultsPanel* m_resultsPanel = nullptr;
    QAction* m_resultsAction = nullptr;
};

} // namespace kavel
