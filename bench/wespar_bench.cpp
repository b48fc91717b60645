#include "wespar/deflectionchart.h"
#include "wespar/deflectiondata.h"
#include "wespar/wesparsettings.h"

#include "largerotor.h"
#include "largefiles.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kPoints = LargeFiles::kDeflectionPoints;

const QString& largeDeflectionText()
{
    return LargeFiles::deflection();
}

WesparSettings largeSettings()
{
    return LargeFiles::wesparSettings();
}

void BM_ReadDeflectionText(benchmark::State& state)
{
    for (auto _ : state) {
        DeflectionData d;
        ReadDeflectionDataText(QStringLiteral("bench"), largeDeflectionText(), d);
        benchmark::DoNotOptimize(d.defl.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_ReadDeflectionText)->Unit(benchmark::kMillisecond);

// The "3:Plot" chart of 20000 deflection points over a 5000-element outline,
// straight onto a picture of the chart region at 96 dpi, antialiased as the
// picture area draws: it must stay under 20 ms.
void BM_DeflectionPlotRaster(benchmark::State& state)
{
    DeflectionData d;
    ReadDeflectionDataText(QStringLiteral("bench"), largeDeflectionText(), d);
    const WesparSettings settings = largeSettings();
    RasterPicture picture;
    for (auto _ : state) {
        picture.paint([&](DrawingSurface& surface) { DrawDeflectionChart(surface, settings, d, largeRotorModel()); });
    }
}
BENCHMARK(BM_DeflectionPlotRaster)->Unit(benchmark::kMillisecond);

} // namespace
