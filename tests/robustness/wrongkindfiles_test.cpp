#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "framework/viewer.h"
#include "support/qtprint.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Every viewer given every other viewer's sample result, as a user picks
// the wrong file: the reading says on which line the file stopped making
// sense and why, and the chart draws what was read.
TEST(WrongKindFiles, EachReaderSaysWhereAnotherViewersFileStopsMakingSense)
{
    qputenv("KAVEL_ROOT", KAVEL_SAMPLE_ROOT);
    QStringList samples;
    for (const QString& name : ViewerRegistry::builtViewers())
        samples << ViewerRegistry::create(name)->defaultDataPath();
    for (const QString& name : ViewerRegistry::builtViewers()) {
        for (const QString& sample : samples) {
            const std::unique_ptr<Viewer> viewer = ViewerRegistry::create(name);
            if (sample == viewer->defaultDataPath())
                continue;
            viewer->readSettings(viewer->workingSettingsPath());
            if (viewer->identity().readsOutline)
                viewer->loadOutline(viewer->outlinePath());
            const ReaderDiagnostic reading = viewer->loadData(sample);
            const std::string pair = name.toStdString() + " <- " + QFileInfo(sample).fileName().toStdString();
            EXPECT_FALSE(reading.complete()) << pair;
            EXPECT_GT(reading.line, 0) << pair << ": " << reading.toString().toStdString();
            EXPECT_TRUE(viewer->readingReport().startsWith(reading.toString())) << pair;
            RecordChart(*viewer, SurfaceKind::Screen);
            RecordChart(*viewer, SurfaceKind::Printer);
        }
    }
}

} // namespace

} // namespace kavel::test
