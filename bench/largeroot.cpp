#include "largeroot.h"

#include "largefiles.h"

#include "framework/host/atomicfile.h"
#include "framework/reading/textfile.h"
#include "holpix/holpixviewer.h"
#include "lendrix/lendrixviewer.h"
#include "mirno1/mirno1viewer.h"
#include "mirnok/mirnokviewer.h"
#include "savlen/savlenviewer.h"
#include "valden/valdenviewer.h"
#include "wespar/wesparviewer.h"
#include "zeptal/zeptalviewer.h"

#include <QDir>
#include <QFile>

namespace kavel::LargeFiles {

namespace {

// The viewer's settings folder under `dir` ("c:\Kavel\Gavrine\valdens\"
// is dir/Gavrine/valdens), its working and its factory file.
template <typename V, typename S>
QString writeSettings(const QString& dir, const S& settings)
{
    V viewer;
    viewer.settings = settings;
    const ViewerIdentity& id = viewer.identity();
    const QString folder = QDir(dir).filePath(QStringLiteral("Gavrine/") + id.settingsDirectory().section(QLatin1Char('\\'), -2, -2));
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1 could not be made").arg(folder);
    for (const QString& file : { id.workingFile(), id.factoryFile() }) {
        if (const QString error = viewer.writeSettings(QDir(folder).filePath(file)); !error.isEmpty())
            return error;
    }
    return {};
}

} // namespace

const std::vector<DataFile>& dataFiles()
{
    static const std::vector<DataFile> files {
        { QStringLiteral("savlen"), QStringLiteral("savlen.mac"), rotorModel },
        { QStringLiteral("valden"), QStringLiteral("valden.mac"), eigenvalues },
        { QStringLiteral("mirnok"), QStringLiteral("mirnok.mac"), complexModeShapes },
        { QStringLiteral("mirno1"), QStringLiteral("mirno1.mac"), planarModeShapes },
        { QStringLiteral("holpix"), QStringLiteral("holpix.mac"), criticalSpeedMap },
        { QStringLiteral("zeptal"), QStringLiteral("zeptala.mac"), unbalanceResponse },
        { QStringLiteral("wespar"), QStringLiteral("wespar.mac"), deflection },
        { QStringLiteral("lendrix"), QStringLiteral("lendrix.mac"), lendrixModel },
    };
    return files;
}

QString writeRoot(const QString& dir)
{
    const QString data = QDir(dir).filePath(QStringLiteral("data"));
    if (!QDir().mkpath(data))
        return QStringLiteral("%1 could not be made").arg(data);
    for (const DataFile& file : dataFiles()) {
        if (const QString error = AtomicFile::replace(QDir(data).filePath(file.fileName), TextFile::encode(file.text())); !error.isEmpty())
            return error;
    }
    for (const QString& error : {
             writeSettings<SavlenViewer>(dir, savlenSettings()),
             writeSettings<ValdenViewer>(dir, valdenSettings()),
             writeSettings<MirnokViewer>(dir, mirnokSettings()),
             writeSettings<Mirno1Viewer>(dir, mirno1Settings()),
             writeSettings<HolpixViewer>(dir, holpixSettings()),
             writeSettings<ZeptalViewer>(dir, zeptalSettings()),
             writeSettings<WesparViewer>(dir, wesparSettings()),
             writeSettings<LendrixViewer>(dir, lendrixSettings()),
         }) {
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace kavel::LargeFiles
