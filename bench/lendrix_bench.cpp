#include "lendrix/lendrixmodel.h"
#include "lendrix/lendrixsettings.h"
#include "lendrix/modelchart.h"

#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kStations = 2000;
constexpr int kP = 2;
constexpr int kQ = 10;

// A model of 2000 stations × 12 columns (2 physical, 10 modal) in the layout
// the model-input analysis writes; every fifth station carries no modal
// entries, so the station lines are drawn too.
const QString& largeModelText()
{
    static const QString text = [] {
        QString t = QStringLiteral("LENDRIX  QUASI-MODAL MODEL\r\nBenchmark model  2000 stations\r\n");
        auto matrix = [&](int r, int c) {
            t += QStringLiteral("%1%2\r\n").arg(r, 6).arg(c, 6);
            for (int k = 0; k < r * c; ++k)
                t += QStringLiteral("%1").arg(0.01 * (k + 1), 16, 'E', 7) + (k % 5 == 4 || k == r * c - 1 ? QStringLiteral("\r\n") : QString());
        };
        auto vector = [&](int n, double scale) {
            t += QStringLiteral("%1\r\n").arg(n, 6);
            for (int k = 0; k < n; ++k)
                t += QStringLiteral("%1").arg(scale * (k + 1) * (k + 1), 16, 'E', 7);
            t += QStringLiteral("\r\n");
        };
        matrix(kP, kP);
        matrix(kP, kQ);
        vector(kQ, 1);
        matrix(kP, kP);
        vector(kQ, 3947.8418);
        matrix(kP, kP);
        matrix(kP, kQ);
        matrix(kQ, kQ);
        t += QStringLiteral("%1%2%3\r\n").arg(kP, 6).arg(kQ, 6).arg(kStations, 6);
        t += QStringLiteral("  Z    ");
        for (int i = 0; i < kStations; ++i)
            t += QStringLiteral("%1").arg(i * 0.6, 11, 'f', 4);
        t += QStringLiteral("\r\n");
        for (int i = 0; i < kStations; ++i) {
            t += QStringLiteral("%1 ").arg(i + 1, 6);
            for (int j = 0; j < kP + kQ; ++j) {
                const double v = j >= kP && i % 5 == 0 ? 0 : std::sin(i * 0.01 * (j + 1));
                t += QStringLiteral("%1").arg(v, 11, 'f', 5);
            }
            t += QStringLiteral("\r\n");
        }
        return t;
    }();
    return text;
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
    LendrixSettings s;
    s.X = { 0, 1200, 100, 20 };
    s.Y = { -5, 5, 1, 12 };
    s.FrameWidth = 3;
    s.XTitle = QStringLiteral("Axial position (mm)");
    s.YTitle = QStringLiteral("Mode (-)");
    s.Title = QStringLiteral("Benchmark model");
    return s;
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
