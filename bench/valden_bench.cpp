#include "valden/eigendata.h"
#include "valden/valdenresults.h"
#include "valden/valdensettings.h"
#include "valden/valdenviewer.h"

#include "framework/surface/recordingsurface.h"
#include "largefiles.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kSteps = LargeFiles::kEigenSteps;
constexpr int kModes = LargeFiles::kEigenModes;

const QString& largeResultText()
{
    return LargeFiles::eigenvalues();
}

const EigenData& largeResult()
{
    static const EigenData data = [] {
        EigenData d;
        ReadEigenDataText(QStringLiteral("bench"), largeResultText(), d);
        return d;
    }();
    return data;
}

ValdenSettings benchSettings()
{
    return LargeFiles::valdenSettings();
}

void BM_ReadEigenDataText(benchmark::State& state)
{
    const QString& text = largeResultText();
    for (auto _ : state) {
        EigenData data;
        ReadEigenDataText(QStringLiteral("bench"), text, data);
        benchmark::DoNotOptimize(data.sigma.data());
    }
    state.SetItemsProcessed(state.iterations() * kSteps * kModes);
}
BENCHMARK(BM_ReadEigenDataText)->Unit(benchmark::kMillisecond);

// Arg: ChartMode (1 the XY chart, 2 the Gauss plane).
void BM_ValdenPlotRecording(benchmark::State& state)
{
    const EigenData& data = largeResult();
    const ValdenSettings settings = benchSettings();
    for (auto _ : state) {
        RecordingSurface surface(SurfaceKind::Screen);
        DrawValdenChart(surface, settings, data, ShowCurveFlags::atStart(), int(state.range(0)));
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_ValdenPlotRecording)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The "3:Plot" chart straight onto a picture of the chart region at 96 dpi,
// antialiased as the picture area draws: 2000 steps × 12 modes, frequency
// and damping curves, some 48 000 segments. Arg: ChartMode.
void BM_ValdenPlotRaster(benchmark::State& state)
{
    const EigenData& data = largeResult();
    const ValdenSettings settings = benchSettings();
    RasterPicture picture;
    for (auto _ : state) {
        picture.paint([&](DrawingSurface& surface) { DrawValdenChart(surface, settings, data, ShowCurveFlags::atStart(), int(state.range(0))); });
    }
}
BENCHMARK(BM_ValdenPlotRaster)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The crossings of the synchronous line and the instability onsets of
// 2000 speeds × 12 modes, as the results panel computes them on every plot.
// It should stay under 1 ms. Arg: the number of orders (1, 2, …).
void BM_CampbellCrossings(benchmark::State& state)
{
    const EigenData& data = largeResult();
    std::vector<double> orders;
    for (int k = 1; k <= state.range(0); ++k)
        orders.push_back(k);
    std::size_t found = 0;
    for (auto _ : state) {
        const CampbellResults results = ComputeCampbellResults(data, orders);
        found = results.crossings.size();
        benchmark::DoNotOptimize(results.crossings.data());
    }
    state.counters["crossings"] = double(found);
}
BENCHMARK(BM_CampbellCrossings)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
