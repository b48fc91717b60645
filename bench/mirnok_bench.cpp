#include "mirnok/mirnokviewer.h"
#include "mirnok/modechart.h"
#include "mirnok/modeshapes.h"

#include "framework/surface/recordingsurface.h"
#include "rasterpicture.h"


#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kStations = 2000;
constexpr int kModes = 13;

// A field of 11 characters, as the analysis writes them.
QString field(double v)
{
    return QString::number(v, 'f', 5).rightJustified(11);
}

// 2000 stations along a 2 m shaft, 13 complex modes of rising order with
// phases that change along the shaft, in the result file's fixed columns.
const QString& largeResultText()
{
    static const QString text = [] {
        QString t = QStringLiteral("DASMOR6  COMPLEX MODE SHAPES\r\nBenchmark rotor  2000 stations  13 modes\r\n%1%2\r\n").arg(kStations, 6).arg(kModes, 6);
        t += QStringLiteral(" Z(mm) ");
        for (int s = 0; s < kStations; ++s)
            t += field(s * 1.0);
        t += QStringLiteral("\r\n");
        for (int i = 1; i <= kModes; ++i) {
            for (int j = 0; j <= 1; ++j) {
                t += QStringLiteral("%1-%2  ").arg(i, 3).arg(j == 0 ? QLatin1Char('H') : QLatin1Char('V'));
                for (int s = 0; s < kStations; ++s) {
                    const double x = double(s) / (kStations - 1);
                    t += field(std::sin(M_PI * i * x)) + field(90.0 * j + 30.0 * i * x);
                }
                t += QStringLiteral("\r\n");
            }
        }
        for (int i = 1; i <= kModes; ++i)
            t += QStringLiteral("%1-EV ").arg(i, 3) + field(50) + field(0) + field(i % 2 ? 1 : -1) + field(-2.5 * i) + field(60.0 * i) + QStringLiteral("\r\n");
        return t;
    }();
    return text;
}

MirnokSettings largeSettings()
{
    MirnokSettings s;
    s.zMin = 0;
    s.zMax = 2000;
    s.zPitch = 200;
    s.zChart = 16;
    s.viewAngle = -20;
    s.xyMin = -1.5;
    s.xyMax = 1.5;
    s.xyPitch = 0.5;
    s.xyChart = 9;
    s.FrameWidth = 3;
    s.zTitle = QStringLiteral("Axial position (mm)");
    s.xTitle = QStringLiteral("Horizontal (mm)");
    s.yTitle = QStringLiteral("Vertical (mm)");
    s.chartTitle = QStringLiteral("Benchmark modes");
    s.animStep = 10;
    return s;
}

struct Scene {
    MirnokSettings settings = largeSettings();
    ComplexModeShapes shapes;
    RotorModel outline;
    ModeShown shown = allModesShown();

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
