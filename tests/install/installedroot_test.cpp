#include "support/application.h"
#include "support/files.h"
#include "support/programs.h"

#include "framework/ui/singleinstance.h"
#include "support/qtprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// The suite installed into a temporary folder as scripts/run.sh installs it,
// and a user who starts its programs from there: no KAVEL_ROOT, a home
// folder without Kavel in it, the home folder as the working folder.
class InstalledRootTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(m_root.isValid() && m_home.isValid());
        root = QFileInfo(m_root.path()).canonicalFilePath();
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(KAVEL_CMAKE), { QStringLiteral("--install"), QStringLiteral(KAVEL_BUILD_DIR), QStringLiteral("--prefix"), root });
        ASSERT_TRUE(install.waitForFinished(100000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();

        environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("KAVEL_ROOT"));
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    void TearDown() override { EXPECT_FALSE(QFileInfo::exists(home(QStringLiteral("Kavel")))); }

    QString path(const QString& relative) const { return root + QLatin1Char('/') + relative; }
    QString home(const QString& relative) const { return m_home.filePath(relative); }
    QByteArray read(const QString& relative) const { return fileBytes(path(relative)); }

    // Starts the installed program `relative` as the user would.
    void start(QProcess& process, const QString& relative, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_home.path());
        process.start(path(relative), arguments);
    }

    // Runs it to its end; its standard output, and its exit status in `status`.
    QByteArray run(const QString& relative, const QStringList& arguments, int& status) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        start(process, relative, arguments);
        status = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return process.readAllStandardOutput();
    }

    QString root;
    QProcessEnvironment environment;

private:
    QTemporaryDir m_root;
    QTemporaryDir m_home;
};

TEST_F(InstalledRootTest, ViewerReadsTheDataOfItsRoot)
{
    QProcess viewer;
    start(viewer, QStringLiteral("Gavrine/mirnok/mirnok"), {});
    ASSERT_TRUE(viewer.waitForStarted(10000));
    // MIRNOK leaves its diagnostic file beside its settings once it has read
    // its result file whole.
    const bool dataRead = waitUntil([&] { return !read(QStringLiteral("Gavrine/mirnok/mirnok.dbg")).isEmpty(); }, 20000);
    viewer.kill();
    viewer.waitForFinished(10000);
    // A killed viewer leaves its lock behind; the lock belongs to its root.
    const QByteArray previousRoot = qgetenv("KAVEL_ROOT");
    qputenv("KAVEL_ROOT", root.toUtf8());
    EXPECT_TRUE(QFile::remove(SingleInstance::lockPath(QStringLiteral("MIRNOK"))));
    qputenv("KAVEL_ROOT", previousRoot);
    EXPECT_TRUE(dataRead);
}

TEST_F(InstalledRootTest, LauncherStartsTheViewersOfItsRoot)
{
    const QString probe = path(QStringLiteral("launcherprobe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KAVEL_LAUNCHER_PROBE), probe));
    ASSERT_TRUE(QFile::setPermissions(probe, QFile::permissions(QStringLiteral(KAVEL_LAUNCHER_PROBE))));
    // The HOLPIX viewer replaced by one that notes its start.
    QFile viewer(path(QStringLiteral("Gavrine/holpix/holpix")));
    ASSERT_TRUE(viewer.open(QIODevice::WriteOnly | QIODevice::Truncate));
    viewer.write("#!/bin/sh\necho started > \"$(dirname \"$0\")/started\"\n");
    viewer.close();

    // "表示" in the HOLPIX frame, then "Mathematica 1m" (no Mathematica here).
    int status = -1;
    const QByteArray boxes = run(QStringLiteral("launcherprobe"), { QStringLiteral("Command10"), QStringLiteral("Command9") }, status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(waitUntil([&] { return read(QStringLiteral("Gavrine/holpix/started")) == "started\n"; }));
    EXPECT_TRUE(boxes.contains("The matrix files have been written to " + path(QStringLiteral("data")).toUtf8() + '.')) << boxes.toStdString();
    EXPECT_FALSE(read(QStringLiteral("data/mdata16.dat")).isEmpty());
}

TEST_F(InstalledRootTest, ExportDrawsTheChartAndMatricesOfItsRoot)
{
    const QString chart = home(QStringLiteral("holpix.json"));
    int status = -1;
    const QByteArray report = run(QStringLiteral("kavel-export"), { QStringLiteral("holpix"), QStringLiteral("--check"), QStringLiteral("-o"), chart }, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(report, (path(QStringLiteral("data/holpix.mac")) + QStringLiteral(": read to its end\n") + path(QStringLiteral("Gavrine/holpix/holpix.tmp"))
                          + QStringLiteral(": read to its end\n")).toUtf8());
    EXPECT_GT(QFileInfo(chart).size(), 0);

    const QByteArray written = run(QStringLiteral("kavel-export"), { QStringLiteral("matrices") }, status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(written.startsWith(path(QStringLiteral("data/mdata16.dat")).toUtf8() + '\n')) << written.toStdString();
}

} // namespace
} // namespace kavel::test
