#include "lendrix/lendrixmodel.h"
#include "lendrix/lendrixsettings.h"
#include "lendrix/modelchart.h"

#include "largefiles.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kStations = LargeFiles::kLendrixStations;
constexpr int kP = LargeFiles::kLendrixPhysical;
constexpr int kQ = LargeFiles::kLendrixModal;

const QString& largeModelText()
{
    return LargeFiles::lendrixModel();
}

LendrixModel largeModel()
{
    LendrixModel m;
    ReadLendrixModelText(QStringLiteral("bench"), largeModelText(), m);
    ReadRotorModelText(QStringLiteral("bench"),
        QStringLiteral("h\r\nrotor\r\n 1\r\n 1 0 0 0\r\n 2 0 200 0\r\n 3 1200 200 0\r\n 4 1200 0 0\r\n"), m.rotor);
    return m;
}

LendrixSettings largeSettings()
{
    return LargeFiles::lendrixSettings();
}

void BM_ReadLendrixModelText(benchmark::State& state)
{
    const QString& text = largeModelText();
    if (largeModel().T.size() != std::size_t(kStations)) {
        state.SkipWithError("the benchmark model does not read whole");
        return;
    }
    for (auto _ : state) {
        LendrixModel model;
        ReadLendrixModelText(QStringLiteral("bench"), text, model);
        benchmark::DoNotOptimize(model.T.data());
    }
    state.SetItemsProcessed(state.iterations() * kStations * (kP + kQ));
}
BENCHMARK(BM_ReadLendrixModelText)->Unit(benchmark::kMillisecond);

// Reading and the "3:Plot" chart onto a picture of the chart region at
// 96 dpi, antialiased as the picture area draws: under 20 ms together.
void BM_LendrixReadAndPlotRaster(benchmark::State& state)
{
    const LendrixSettings settings = largeSettings();
    LendrixModeFlags flags {};
    flags[kLendrixAll] = 1;
    RasterPicture picture;
    for (auto _ : state) {
        LendrixModel model;
        ReadLendrixModelText(QStringLiteral("bench"), largeModelText(), model);
        picture.paint([&](DrawingSurface& surface) { DrawModelChart(surface, settings, model, flags); });
    }
}
BENCHMARK(BM_LendrixReadAndPlotRaster)->Unit(benchmark::kMillisecond);

void BM_LendrixPlotRaster(benchmark::State& state)
{
    const LendrixModel model = largeModel();
    const LendrixSettings settings = largeSettings();
    LendrixModeFlags flags {};
    flags[kLendrixAll] = 1;
    RasterPicture picture;
    for (auto _ : state) {
        picture.paint([&](DrawingSurface& surface) { DrawModelChart(surface, settings, model, flags); });
    }
}
BENCHMARK(BM_LendrixPlotRaster)->Unit(benchmark::kMillisecond);

} // namespace
