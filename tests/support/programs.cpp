#include "programs.h"

#include "framework/ui/singleinstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QThread>

namespace kavel::test {

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
