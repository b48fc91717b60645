#include "chartexportmenu.h"

#include "picturearea.h"
#include "statusline.h"
#include "viewerwindow.h"

#include "framework/host/atomicfile.h"
#include "framework/host/rememberedfolder.h"
#include "framework/output/chartoutput.h"
#include "framework/output/plotteddata.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>

namespace kavel {

namespace {

ChartExportMenu::FileChooser& fileChooser()
{
    static ChartExportMenu::FileChooser chooser;
    return chooser;
}

// Pictures are made at twice the picture's size: sharp when pasted into a
// report, and looking as the window does.
constexpr int kPictureScale = 2;

QSize pictureSize(const PictureArea& picture)
{
    return picture.size().expandedTo(QSize(1, 1)) * kPictureScale;
}

} // namespace

ChartExportMenu::ChartExportMenu(ViewerWindow& window)
    : QObject(&window)
    , m_window(window)
{
    struct Entry {
        const char* name;
        QString text;
        QKeySequence key;
        void (ChartExportMenu::*slot)();
    };
    const Entry entries[] = {
        { "saveChart", tr("Save chart as..."), QKeySequence(QKeySequence::Save), &ChartExportMenu::saveChart },
        { "copyImage", tr("Copy as image"), QKeySequence(QKeySequence::Copy), &ChartExportMenu::copyImage },
        { "copySvg", tr("Copy as SVG"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ChartExportMenu::copySvg },
        { "savePlottedData", tr("Save plotted data as CSV..."), QKeySequence(Qt::CTRL | Qt::Key_E), &ChartExportMenu::savePlottedData },
        { "saveResults", tr("Save results as CSV..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &ChartExportMenu::saveResults },
    };
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    window.addPictureAction(separator);
    for (const Entry& entry : entries) {
        auto* action = new QAction(entry.text, this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.key);
        connect(action, &QAction::triggered, this, entry.slot);
        window.addPictureAction(action);
    }
}

void ChartExportMenu::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

QString ChartExportMenu::rememberedFile() const
{
    return RememberedFolder::fileBeside(m_window.viewer().workingSettingsPath());
}

QString ChartExportMenu::choose(const QString& caption, const QString& name, const QString& filters)
{
    QString folder = RememberedFolder::read(rememberedFile());
    if (folder.isEmpty())
        folder = QFileInfo(m_window.viewer().dataPath).absolutePath();
    const QString offered = QDir(folder).filePath(name);
    if (fileChooser())
        return fileChooser()(&m_window, caption, offered, filters);
    return QFileDialog::getSaveFileName(&m_window, caption, offered, filters);
}

void ChartExportMenu::saved(const QString& path, const QString& error)
{
    if (!error.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, m_window.viewer().identity().mainCaption, error, QMessageBox::Ok, &m_window);
        box.exec();
        return;
    }
    // Where it went, for the next dialog; a folder that cannot be
    // remembered costs only that.
    (void)RememberedFolder::write(rememberedFile(), QFileInfo(path).absolutePath());
    m_window.statusLine()->setFileStatus(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
}

void ChartExportMenu::saveChart()
{
    const QString name = m_window.viewer().identity().exportName();
    QString path = choose(tr("Save chart as"), name + QStringLiteral(".pdf"),
        tr("PDF page (*.pdf);;SVG picture (*.svg);;PNG picture (*.png)"));
    if (path.isEmpty())
        return;
    std::optional<ChartOutput::Format> format = ChartOutput::formatFor(path);
    if (!format || (*format != ChartOutput::Format::Pdf && *format != ChartOutput::Format::Svg && *format != ChartOutput::Format::Png)) {
        path += QStringLiteral(".pdf");
        format = ChartOutput::Format::Pdf;
    }
    PictureArea& picture = *m_window.picture();
    QString error;
    if (*format == ChartOutput::Format::Pdf) {
        RecordingSurface page(SurfaceKind::Printer);
        m_window.viewer().print(page);
        error = ChartOutput::writePdf(page.ops(), SurfaceKind::Printer, path, m_window.viewer().drawnRegion(page));
    } else {
        const QSize size = pictureSize(picture);
        const OpList& ops = picture.recording().ops();
        const QByteArray bytes = *format == ChartOutput::Format::Svg ? ChartOutput::pictureSvg(ops, size, picture.mappingFor(size))
                                                                     : ChartOutput::pngBytes(ChartOutput::pictureImage(ops, size, picture.mappingFor(size)));
        error = bytes.isEmpty() ? tr("%1 could not be written: the picture could not be made").arg(path) : AtomicFile::replace(path, bytes);
    }
    saved(path, error);
}

void ChartExportMenu::copyImage()
{
    const PictureArea& picture = *m_window.picture();
    const QSize size = pictureSize(picture);
    QApplication::clipboard()->setImage(ChartOutput::pictureImage(picture.recording().ops(), size, picture.mappingFor(size)));
    m_window.statusLine()->setFileStatus(tr("Chart copied as an image"));
}

void ChartExportMenu::copySvg()
{
    const PictureArea& picture = *m_window.picture();
    const QSize size = pictureSize(picture);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), ChartOutput::pictureSvg(picture.recording().ops(), size, picture.mappingFor(size)));
    QApplication::clipboard()->setMimeData(data);
    m_window.statusLine()->setFileStatus(tr("Chart copied as SVG"));
}

QString ChartExportMenu::chooseCsv(const QString& caption, const QString& name)
{
    QString path = choose(caption, name + QStringLiteral(".csv"), tr("CSV table (*.csv)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    return path;
}

void ChartExportMenu::savePlottedData()
{
    const QString path = chooseCsv(tr("Save plotted data"), m_window.viewer().identity().exportName());
    if (!path.isEmpty())
        saved(path, AtomicFile::replace(path, PlottedData::of(m_window.picture()->surface().areas()).csv()));
}

void ChartExportMenu::saveResults()
{
    const QString path = chooseCsv(tr("Save results"), m_window.viewer().identity().exportName() + QStringLiteral("-results"));
    if (!path.isEmpty())
        saved(path, AtomicFile::replace(path, ResultFormat::csv(m_window.viewer().results())));
}

} // namespace kavel
