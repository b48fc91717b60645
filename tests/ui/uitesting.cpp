#include "uitesting.h"

#include "framework/ui/singleinstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <gtest/gtest.h>
#include <algorithm>

namespace kavel {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = { name, nullptr };
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

TestRoot::TestRoot()
    : m_previousRoot(qgetenv("KAVEL_ROOT"))
{
    ensureApplication();
    if (!m_dir.isValid())
        return;
    const QDir source(QStringLiteral(KAVEL_SAMPLE_ROOT));
    m_copied = true;
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = m_dir.filePath(source.relativeFilePath(from));
        m_copied = m_copied && QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to);
    }
    qputenv("KAVEL_ROOT", m_dir.path().toUtf8());
}

TestRoot::~TestRoot()
{
    qputenv("KAVEL_ROOT", m_previousRoot);
}

QString TestRoot::path(const QString& relative) const
{
    return m_dir.filePath(relative);
}

QByteArray TestRoot::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestRoot::write(const QString& relative, const QByteArray& bytes) const
{
    QFile file(path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path(relative).toStdString();
    file.write(bytes);
}

bool launchViewerProgram(QProcess& process, const QString& path)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KAVEL_ROOT"), QString::fromUtf8(qgetenv("KAVEL_ROOT")));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(path, {});
    return process.waitForStarted(10000);
}

bool holdsLock(QProcess& process, const QString& program)
{
    const QString path = SingleInstance::lockPath(program);
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QThread::msleep(50)) {
        QLockFile probe(path);
        qint64 pid = 0;
        QString host, app;
        if (probe.getLockInfo(&pid, &host, &app) && pid == process.processId())
            return true;
        if (process.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

namespace {

void closeModal(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

ModalWatcher::ModalWatcher()
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start(10);
}

ModalWatcher::~ModalWatcher() = default;

void ModalWatcher::expect(Handler handler)
{
    m_handlers.push_back(std::move(handler));
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (modal == m_current) {
        if (m_since.elapsed() > 5000) {
            ADD_FAILURE() << "modal window left open: " << modal->metaObject()->className();
            closeModal(modal);
        }
        return;
    }
    m_current = modal;
    m_since.start();
    // A dialog already answered becomes active again when a message box it
    // opened closes: it is not a new window.
    if (std::find(m_answeredWindows.begin(), m_answeredWindows.end(), modal) != m_answeredWindows.end())
        return;
    m_answeredWindows.erase(std::remove_if(m_answeredWindows.begin(), m_answeredWindows.end(), [](const QPointer<QWidget>& w) { return w.isNull(); }), m_answeredWindows.end());
    m_answeredWindows.emplace_back(modal);
    if (m_handlers.empty()) {
        ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\": " << messageText(modal).toStdString();
        closeModal(modal);
        return;
    }
    Handler handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    ++m_answered;
    // From a fresh event: this timer does not fire again while its own
    // handler runs, and a handler may open a further modal window.
    QTimer::singleShot(0, this, [handler, target = QPointer<QWidget>(modal)] {
        if (target)
            handler(target);
    });
}

QString messageText(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    return box ? box->text() : QString();
}

void acceptMessage(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "not a message box: " << modal->metaObject()->className();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    ok->click();
}

} // namespace kavel
