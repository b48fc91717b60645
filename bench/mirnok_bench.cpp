#include "mirnok/mirnokviewer.h"
#include "mirnok/modechart.h"
#include "mirnok/modeshapes.h"

#include "framework/surface/recordingsurface.h"
#include "largefiles.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kStations = LargeFiles::kComplexStations;
constexpr int kModes = LargeFiles::kComplexModes;

const QString& largeResultText()
{
    return LargeFiles::complexModeShapes();
}

MirnokSettings largeSettings()
{
    return LargeFiles::mirnokSettings();
}

struct Scene {
    MirnokSettings settings = largeSettings();
    ComplexModeShapes shapes;
    RotorModel outline;
    ModeShown shown = ModeShown::atStart();

    Scene()
    {
        // Labels of 7 columns: a shifted field would read as garbage and
        // make lines across the whole page.
        if (!ReadComplexModeShapesText(QStringLiteral("bench"), largeResultText(), shapes).complete() || shapes.shape(2 * kStations, kModes, 1) == 0.f)
            qFatal("the benchmark result does not read back");
    }
    ModeChartInput input() const { return ModeChartInput { settings, shapes, outline, shown }; }
};

const Scene& scene()
{
    static const Scene s;
    return s;
}

void BM_ReadModeShapes(benchmark::State& state)
{
    const QString& text = largeResultText();
    for (auto _ : state) {
        ComplexModeShapes shapes;
        ReadComplexModeShapesText(QStringLiteral("bench"), text, shapes);
        benchmark::DoNotOptimize(shapes.N1());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadModeShapes)->Unit(benchmark::kMillisecond);

// One tick of the animation, 2000 stations × 13 modes, straight onto a
// picture of the chart region as the window shows it (antialiased): the
// 100 ms timer needs this well under 10 ms.
void BM_AnimationFrameRaster(benchmark::State& state)
{
    const Scene& s = scene();
    RasterPicture picture;
    float phi = 0;
    for (auto _ : state) {
        picture.paint([&](DrawingSurface& surface) { DrawModeChart(surface, s.input(), phi, ModeLegend::Hidden); });
        phi = phi + 10 >= 360 ? 0 : phi + 10;
    }
    state.counters["segments"] = double(kModes * (kStations - 1));
}
BENCHMARK(BM_AnimationFrameRaster)->Unit(benchmark::kMillisecond);

// What a tick costs in the window: the frame recorded on the picture's
// surface, then replayed by its paint event.
void BM_AnimationFrameRecordAndReplay(benchmark::State& state)
{
    const Scene& s = scene();
    RasterPicture picture;
    RecordingSurface recording(SurfaceKind::Screen);
    float phi = 0;
    for (auto _ : state) {
        DrawModeChart(recording, s.input(), phi, ModeLegend::Hidden);
        picture.replay(recording.ops());
        phi = phi + 10 >= 360 ? 0 : phi + 10;
    }
}
BENCHMARK(BM_AnimationFrameRecordAndReplay)->Unit(benchmark::kMillisecond);

// The projection and the drawing calls alone, without pixels.
void BM_AnimationFrameRecording(benchmark::State& state)
{
    const Scene& s = scene();
    RecordingSurface recording(SurfaceKind::Screen);
    float phi = 0;
    for (auto _ : state) {
        DrawModeChart(recording, s.input(), phi, ModeLegend::Hidden);
        benchmark::DoNotOptimize(recording.ops().data());
        phi = phi + 10 >= 360 ? 0 : phi + 10;
    }
}
BENCHMARK(BM_AnimationFrameRecording)->Unit(benchmark::kMillisecond);

} // namespace
