#include "largeroot.h"

#include "export/viewerregistry.h"
#include "framework/viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kavel;

namespace {

// The large set, written once as a root in a folder of its own.
const QString& largeRoot()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        if (const QString error = LargeFiles::writeRoot(dir.path()); !error.isEmpty())
            qFatal("%s", qPrintable(error));
        return dir.path();
    }();
    return path;
}

// Every viewer's reader on its large result, from the disk as the viewer
// reads it (decoding included). Arg: the viewer's place in the suite.
void BM_ReadLargeFile(benchmark::State& state)
{
    const LargeFiles::DataFile& file = LargeFiles::dataFiles().at(std::size_t(state.range(0)));
    const QString path = QDir(largeRoot()).filePath(QStringLiteral("data/") + file.fileName);
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(file.viewer);
    state.SetLabel(file.viewer.toStdString());
    for (auto _ : state) {
        const ReaderDiagnostic diagnostic = viewer->readData(path);
        if (!diagnostic.complete()) {
            state.SkipWithError(qPrintable(diagnostic.toString()));
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_ReadLargeFile)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

} // namespace
