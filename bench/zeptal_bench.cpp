#include "zeptal/curveflags.h"
#include "zeptal/unbalanceresponse.h"
#include "zeptal/zeptalresults.h"
#include "zeptal/zeptalsettings.h"
#include "zeptal/zeptalviewer.h"

#include "framework/surface/recordingsurface.h"
#include "largefiles.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kSpeeds = LargeFiles::kResponseSpeeds;
constexpr int kCurves = LargeFiles::kResponseCurves;

const QString& largeResponseText()
{
    return LargeFiles::unbalanceResponse();
}

const UnbalanceResponse& largeResponse()
{
    static const UnbalanceResponse data = [] {
        UnbalanceResponse d;
        ReadUnbalanceResponseText(QStringLiteral("bench"), largeResponseText(), d);
        return d;
    }();
    return data;
}

ZeptalSettings benchSettings()
{
    return LargeFiles::zeptalSettings();
}

void BM_ReadUnbalanceResponseText(benchmark::State& state)
{
    const QString& text = largeResponseText();
    for (auto _ : state) {
        UnbalanceResponse data;
        ReadUnbalanceResponseText(QStringLiteral("bench"), text, data);
        benchmark::DoNotOptimize(data.values.data());
    }
    state.SetItemsProcessed(state.iterations() * kSpeeds * kCurves);
}
BENCHMARK(BM_ReadUnbalanceResponseText)->Unit(benchmark::kMillisecond);

// Arg: chartStyle (1 Bode, 2 polar).
void BM_ZeptalPlotRecording(benchmark::State& state)
{
    const UnbalanceResponse& data = largeResponse();
    const ZeptalSettings settings = benchSettings();
    for (auto _ : state) {
        RecordingSurface surface(SurfaceKind::Screen);
        DrawZeptalChart(surface, settings, data, CurveFlags::atStart(), int(state.range(0)));
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_ZeptalPlotRecording)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The "3:Plot" chart straight onto a picture of the chart region at 96 dpi,
// antialiased as the picture area draws: 20000 speeds × 5 curves, every
// amplitude and phase, some 200 000 segments on the Bode chart. It should
// stay under 30 ms. Arg: chartStyle.
void BM_ZeptalPlotRaster(benchmark::State& state)
{
    const UnbalanceResponse& data = largeResponse();
    const ZeptalSettings settings = benchSettings();
    RasterPicture picture;
    for (auto _ : state) {
        picture.paint([&](DrawingSurface& surface) { DrawZeptalChart(surface, settings, data, CurveFlags::atStart(), int(state.range(0))); });
    }
}
BENCHMARK(BM_ZeptalPlotRaster)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The peaks, half-power points, amplification factors and separation
// margins of 20000 speeds × 5 curves, as the results panel computes them on
// every plot. It should stay under 1 ms.
void BM_ResponsePeaks(benchmark::State& state)
{
    const UnbalanceResponse& data = largeResponse();
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<ResponsePeak> peaks = ComputeResponsePeaks(data, OperatingRange { 3000, 9000 });
        found = peaks.size();
        benchmark::DoNotOptimize(peaks.data());
    }
    state.counters["peaks"] = double(found);
}
BENCHMARK(BM_ResponsePeaks)->Unit(benchmark::kMicrosecond);

} // namespace
