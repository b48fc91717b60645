#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <map>

class QAction;

namespace kavel {

class ViewerWindow;

// Rereads the chart's files when they change on disk: the data file and the
// rotor outline the viewer last read. A change is taken once the files have
// stood still for a moment, so a solver still writing is not read at every
// line (a file caught half-written is drawn from what could be read, as
// always, and the next complete write replaces it). A file that has gone
// leaves the chart as it is. The status line says what happened and when.
// On by default; the picture's context menu (and Ctrl+L) turns it off.
class LiveReload final : public QObject {
    Q_OBJECT
public:
    explicit LiveReload(ViewerWindow& window);

    bool isEnabled() const;
    void setEnabled(bool on);
    QAction* toggle() const { return m_toggle; }

    // How long the files must stand still before they are read.
    static constexpr int kSettleMs = 300;

public slots:
    // The files the viewer now reads, watched from here on (after start-up
    // and after the file dialog chose another, which has just read it).
    void sync();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    using Stamps = std::map<QString, Stamp>;

    QStringList files() const;
    Stamps stamps() const;
    void changed();
    void settled();
    void reread(const Stamps& now);

    ViewerWindow& m_window;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QAction* m_toggle;
    Stamps m_read; // as the files were when last read
    Stamps m_seen; // as they were at the last change
};

} // namespace kavel
