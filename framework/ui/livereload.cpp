#include "livereload.h"

#include "statusline.h"
#include "viewerwindow.h"

#include "framework/viewer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTime>

namespace kavel {

LiveReload::LiveReload(ViewerWindow& window)
    : QObject(&window)
    , m_window(window)
    , m_toggle(new QAction(tr("Reread changed files automatically"), this))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &LiveReload::settled);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &LiveReload::changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LiveReload::changed);

    m_toggle->setObjectName(QStringLiteral("liveReload"));
    m_toggle->setCheckable(true);
    m_toggle->setChecked(true);
    m_toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_toggle, &QAction::toggled, this, &LiveReload::setEnabled);
}

bool LiveReload::isEnabled() const
{
    return m_toggle->isChecked();
}

void LiveReload::setEnabled(bool on)
{
    if (m_toggle->isChecked() != on) {
        m_toggle->setChecked(on); // comes back here through toggled()
        return;
    }
    if (!on) {
        m_settle.stop();
        if (!m_watcher.files().isEmpty())
            m_watcher.removePaths(m_watcher.files());
        if (!m_watcher.directories().isEmpty())
            m_watcher.removePaths(m_watcher.directories());
        return;
    }
    // What changed while it was off is read now.
    sync();
    m_seen = stamps();
    if (m_seen != m_read)
        reread(m_seen);
}

QStringList LiveReload::files() const
{
    const Viewer& viewer = m_window.viewer();
    QStringList list { viewer.dataPath };
    if (!viewer.readings.outline.file.isEmpty())
        list << viewer.readings.outline.file;
    list.removeAll(QString());
    return list;
}

LiveReload::Stamps LiveReload::stamps() const
{
    Stamps out;
    for (const QString& file : files()) {
        const QFileInfo info(file);
        out[file] = info.exists() ? Stamp { true, info.size(), info.lastModified() } : Stamp {};
    }
    return out;
}

void LiveReload::sync()
{
    // A file not watched before has just been read (at start, or chosen in
    // the file dialog); the others are as they were when last read.
    const Stamps now = stamps();
    Stamps read;
    for (const auto& [file, stamp] : now) {
        const auto known = m_read.find(file);
        read[file] = known != m_read.end() ? known->second : stamp;
    }
    m_read = read;
    if (!isEnabled())
        return;
    // The file itself for changes in place, its folder for a file replaced
    // by renaming (as every writer that keeps its file whole does), removed
    // or made again.
    QStringList wanted;
    for (const QString& file : files()) {
        if (QFileInfo::exists(file))
            wanted << file;
        const QString folder = QFileInfo(file).absolutePath();
        if (QFileInfo(folder).isDir())
            wanted << folder;
    }
    wanted.removeDuplicates();
    QStringList stale = m_watcher.files() + m_watcher.directories();
    for (const QString& path : wanted)
        stale.removeAll(path);
    if (!stale.isEmpty())
        m_watcher.removePaths(stale);
    QStringList missing;
    for (const QString& path : wanted) {
        if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path))
            missing << path;
    }
    if (!missing.isEmpty())
        m_watcher.addPaths(missing);
}

void LiveReload::changed()
{
    if (!isEnabled())
        return;
    m_seen = stamps();
    m_settle.start();
}

void LiveReload::settled()
{
    const Stamps now = stamps();
    if (now != m_seen) {
        // Still being written: wait until it stands still.
        m_seen = now;
        m_settle.start();
        return;
    }
    if (now != m_read)
        reread(now);
}

void LiveReload::reread(const Stamps& now)
{
    const QString at = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    QStringList gone;
    for (const auto& [file, stamp] : now) {
        if (!stamp.exists)
            gone << QDir::toNativeSeparators(file);
    }
    m_read = now;
    if (!gone.isEmpty()) {
        // Nothing is read: the chart stays as it was, and says why.
        m_window.statusLine()->setFileStatus(tr("%1 is gone (%2); the chart shows it as last read").arg(gone.join(QStringLiteral(", ")), at));
        sync();
        return;
    }
    Viewer& viewer = m_window.viewer();
    if (!viewer.readings.outline.file.isEmpty())
        viewer.loadOutline(viewer.readings.outline.file);
    viewer.loadData(viewer.dataPath);
    m_window.plot(); // which watches the files again
    QString status = tr("Reread %1 at %2").arg(QFileInfo(viewer.dataPath).fileName(), at);
    if (!viewer.readingsComplete())
        status += tr(" (not read to its end)");
    m_window.statusLine()->setFileStatus(status);
}

} // namespace kavel
