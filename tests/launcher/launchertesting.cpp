#include "launchertesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace kavel::test {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "launcher_window_tests";
    static char* argv[] = { name, nullptr };
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

SampleRoot::SampleRoot()
    : m_previousRoot(qgetenv("KAVEL_ROOT"))
{
    ensureApplication();
    if (!m_dir.isValid())
        return;
    const QDir source(QStringLiteral(KAVEL_SAMPLE_ROOT));
    m_valid = true;
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        QFile file(from);
        m_valid = m_valid && file.open(QIODevice::ReadOnly) && write(source.relativeFilePath(from), file.readAll());
    }
    qputenv("KAVEL_ROOT", m_dir.path().toUtf8());
}

SampleRoot::~SampleRoot()
{
    qputenv("KAVEL_ROOT", m_previousRoot);
}

QString SampleRoot::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QByteArray SampleRoot::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SampleRoot::write(const QString& relative, const QByteArray& bytes, bool executable) const
{
    const QString target = path(relative);
    QFile file(target);
    if (!QDir().mkpath(QFileInfo(target).path()) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return true;
}

ModalRecorder::ModalRecorder()
{
    ensureApplication();
    connect(&m_timer, &QTimer::timeout, this, &ModalRecorder::poll);
    m_timer.start(10);
}

void ModalRecorder::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    Box seen { box->windowTitle(), box->text(), box->icon(), {} };
    for (QAbstractButton* button : box->buttons())
        seen.buttons << button->text();
    m_boxes << seen;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}

StartResult RecordingStarter::startHidden(const JobCommand& command)
{
    return record(QStringLiteral("hidden"), command.batchFile, command.text());
}

StartResult RecordingStarter::startVisible(const JobCommand& command)
{
    return record(QStringLiteral("visible"), command.batchFile, command.text());
}

StartResult RecordingStarter::startProgram(const ProgramCommand& command)
{
    return record(QStringLiteral("program"), command.program, command.text());
}

StartResult RecordingStarter::record(const QString& kind, const QString& name, const QString& text)
{
    if (refuse.contains(name))
        return { name + QStringLiteral(" could not be started.") };
    lines << kind + QLatin1Char(' ') + text;
    return {};
}

bool waitUntil(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

} // namespace kavel::test
