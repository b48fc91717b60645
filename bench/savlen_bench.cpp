#include "framework/models/rotormodel.h"
#include "savlen/savlensettings.h"
#include "savlen/sectionchart.h"

#include "framework/reading/textfile.h"
#include "framework/surface/recordingsurface.h"
#include "largerotor.h"
#include "largefiles.h"
#include "rasterpicture.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kElements = kLargeRotorElements;

SavlenSettings largeSettings()
{
    return LargeFiles::savlenSettings();
}

void BM_ReadRotorModelText(benchmark::State& state)
{
    const QString& text = largeRotorModelText();
    for (auto _ : state) {
        RotorModel model;
        ReadRotorModelText(QStringLiteral("bench"), text, model);
        benchmark::DoNotOptimize(model.points.data());
    }
    state.SetItemsProcessed(state.iterations() * kElements * 4);
}
BENCHMARK(BM_ReadRotorModelText)->Unit(benchmark::kMillisecond);

// From the disk, with the code page decoding.
void BM_ReadRotorModelFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("savlen.mac"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(TextFile::encode(largeRotorModelText())) < 0) {
        state.SkipWithError("cannot write the model file");
        return;
    }
    file.close();
    for (auto _ : state) {
        RotorModel model;
        ReadRotorModel(path, model);
        benchmark::DoNotOptimize(model.points.data());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadRotorModelFile)->Unit(benchmark::kMillisecond);

// Arg: ShowNumbers (0 or 1; 1 adds 5001 labels).
void BM_PlotRecording(benchmark::State& state)
{
    const RotorModel& model = largeRotorModel();
    const SavlenSettings settings = largeSettings();
    for (auto _ : state) {
        RecordingSurface surface(SurfaceKind::Screen);
        DrawSectionChart(surface, settings, model, int(state.range(0)));
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_PlotRecording)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The "3:Plot" chart straight onto a picture of the chart region at 96 dpi,
// antialiased as the picture area draws. Arg: ShowNumbers.
void BM_PlotRaster(benchmark::State& state)
{
    const RotorModel& model = largeRotorModel();
    const SavlenSettings settings = largeSettings();
    RasterPicture picture;
    for (auto _ : state) {
        picture.paint([&](DrawingSurface& surface) { DrawSectionChart(surface, settings, model, int(state.range(0))); });
    }
}
BENCHMARK(BM_PlotRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the picture area does at every repaint and resize: replays the
// recorded chart. Arg: ShowNumbers.
void BM_ReplayRaster(benchmark::State& state)
{
    RecordingSurface recording(SurfaceKind::Screen);
    DrawSectionChart(recording, largeSettings(), largeRotorModel(), int(state.range(0)));
    RasterPicture picture;
    for (auto _ : state) {
        picture.replay(recording.ops());
    }
    state.counters["ops"] = double(recording.ops().size());
}
BENCHMARK(BM_ReplayRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
