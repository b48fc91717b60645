#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kavel {

class ViewerWindow;

// The picture's entries that take the chart out of the window: the chart
// saved as a PDF page, an SVG or a PNG picture (Ctrl+S), copied to the
// clipboard as an image (Ctrl+C) or as SVG (Ctrl+Shift+C), and the plotted
// data (Ctrl+E) and the results table (Ctrl+Shift+E) saved as CSV. The PDF is the "4:Print" page; the pictures
// are the chart as the window shows it. The file dialogs start in the
// folder last saved to (RememberedFolder), else in the data file's.
class ChartExportMenu final : public QObject {
    Q_OBJECT
public:
    explicit ChartExportMenu(ViewerWindow& window);

    // Chooses the file to save: caption, the path offered, the filters.
    // Tests set it to skip the dialog; an empty answer cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& caption, const QString& offered, const QString& filters)>;
    static void setFileChooser(FileChooser chooser);

public slots:
    void saveChart();
    void copyImage();
    void copySvg();
    void savePlottedData();
    void saveResults();

private:
    QString choose(const QString& caption, const QString& name, const QString& filters);
    // As choose(), for a CSV table: a name without an extension gets .csv.
    QString chooseCsv(const QString& caption, const QString& name);
    QString rememberedFile() const;
    void saved(const QString& path, const QString& error);

    ViewerWindow& m_window;
};

} // namespace kavel
