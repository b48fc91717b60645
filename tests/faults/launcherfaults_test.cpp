#include "support/application.h"
#include "support/modalrecorder.h"
#include "support/testroot.h"

#include "launcher/hostprocessstarter.h"
#include "launcher/launcherwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <gtest/gtest.h>
#include <iostream>

namespace kavel::test {
namespace {

// The "表示" buttons and Lendrix's, with the program each starts.
const std::pair<const char*, const char*> kShowButtons[] = {
    { "Command4", "C:\\Kavel\\Gavrine\\savlen\\SAVLENW.exe" }, { "Command5", "C:\\Kavel\\Gavrine\\mirno1\\MIRNO1W.exe" },
    { "Command12", "C:\\Kavel\\Gavrine\\mirnok\\mirnok.exe" }, { "Command10", "C:\\Kavel\\Gavrine\\holpix\\holpix.exe" },
    { "Command16", "C:\\Kavel\\Gavrine\\wespar\\wespar.exe" }, { "Command19", "C:\\Kavel\\Gavrine\\valdens\\valdenw.exe" },
    { "Command14", "C:\\Kavel\\Gavrine\\zeptal\\zeptalw.exe" }, { "Command8", "C:\\Kavel\\Gavrine\\lendrix\\lendrix.exe" },
};

// The buttons that start jobs, with their batch files: the seven "実行" and
// the model input, hidden and in a window.
const std::pair<const char*, const char*> kJobButtons[] = {
    { "Command2", "2.bat" }, { "Command3", "3.bat" }, { "Command13", "6.bat" }, { "Command11", "8.bat" },
    { "Command17", "22.bat" }, { "Command18", "24.bat" }, { "Command15", "25.bat" }, { "Command1(0)", "kavel.bat" },
    { "Command1dos(1)", "1.bat" },
};

// A click that fails is told in one warning that names `expected`, and no
// "終了" claims it ran; the launcher stays open.
bool reportsOneWarningNaming(LauncherWindow& window, ModalRecorder& modals, const char* button, const QStringList& expected)
{
    modals.clear();
    auto* pushed = window.findChild<QPushButton*>(QLatin1String(button));
    if (!pushed) {
        ADD_FAILURE() << "no button " << button;
        return false;
    }
    pushed->click();
    EXPECT_TRUE(window.isVisible());
    if (modals.boxes().size() != 1 || modals.boxes()[0].icon != QMessageBox::Warning) {
        ADD_FAILURE() << button << ": " << modals.boxes().size() << " boxes, not one warning";
        return false;
    }
    bool named = true;
    for (const QString& name : expected) {
        EXPECT_TRUE(modals.boxes()[0].text.contains(name)) << button << ": " << modals.boxes()[0].text.toStdString();
        named = named && modals.boxes()[0].text.contains(name);
    }
    return named;
}

TEST(LauncherFaults, AViewerThatIsNotThereOrNoProgramIsNamed)
{
    TestRoot root;
    ASSERT_TRUE(root.isValid());
    ModalRecorder modals;
    HostProcessStarter starter(root.path());
    LauncherWindow window(starter);
    window.show();
    int faults = 0;
    int named = 0;
    // Not installed, then a directory of the name, then a file that may
    // not be run.
    for (int fault = 0; fault < 3; ++fault) {
        for (const auto& [button, program] : kShowButtons) {
            QString host;
            LocateProgram(QLatin1String(program), &host);
            if (fault == 1) {
                ASSERT_TRUE(QDir().mkpath(host));
            } else if (fault == 2) {
                ASSERT_TRUE(QDir(host).removeRecursively() && root.write(QDir(root.path()).relativeFilePath(host), "#!/bin/sh\n"));
            }
            named += reportsOneWarningNaming(window, modals, button, { QLatin1String(program), host });
            ++faults;
        }
    }
    std::cout << "faults: " << faults << " viewers missing or not programs, " << named << " named\n";
}

TEST(LauncherFaults, WithoutItsInstallationRootEveryButtonSaysWhatIsMissing)
{
    QTemporaryDir temporary;
    const QString missing = temporary.filePath(QStringLiteral("Kavel"));
    const QByteArray previousRoot = qgetenv("KAVEL_ROOT");
    qputenv("KAVEL_ROOT", missing.toUtf8());
    ensureApplication();
    ModalRecorder modals;
    HostProcessStarter starter(temporary.path());
    LauncherWindow window(starter);
    window.show();
    int clicks = 0;
    int named = 0;
    for (const auto& [button, program] : kShowButtons) {
        named += reportsOneWarningNaming(window, modals, button, { QLatin1String(program), missing });
        ++clicks;
    }
    for (const auto& [button, batch] : kJobButtons) {
        named += reportsOneWarningNaming(window, modals, button, { QLatin1String(batch) });
        ++clicks;
    }
    // The matrix export reads the model under the root.
    named += reportsOneWarningNaming(window, modals, "Command9", { missing });
    ++clicks;
    EXPECT_FALSE(QFileInfo::exists(missing));
    qputenv("KAVEL_ROOT", previousRoot);
    std::cout << "faults: " << clicks << " buttons pressed without the installation root, " << named << " named what was missing\n";
}

} // namespace
} // namespace kavel::test
