#include "valden/eigendata.h"
#include "valden/valdenchart.h"
#include "valden/valdenresults.h"
#include "valden/valdensettings.h"

#include "framework/surface/recordingsurface.h"
#include "rasterpicture.h"


#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kSteps = 2000;
constexpr int kModes = 12;

// A long run-up, 0 to 200 rps in 2000 steps, of twelve modes whose
// frequencies split with speed (forward and backward whirl) and whose
// damping falls and rises: every curve crosses the chart.
const QString& largeResultText()
{
    static const QString text = [] {
        QString t = QStringLiteral("\r\n    *** MAC VALDEN **\r\nBenchmark run-up  2000 steps  12 modes\r\n%1%2\r\n").arg(kSteps, 5).arg(kModes, 5);
        t += QStringLiteral("  STEP      SIGMA1     OMEGA1\r\n RPS   ");
        for (int i = 0; i < kSteps; ++i)
            t += QString::number(i * 0.1, 'f', 4).rightJustified(11);
        t += QStringLiteral("\r\n");
        for (int i = 0; i < kSteps; ++i) {
            t += QString::number(i + 1).rightJustified(5).leftJustified(7);
            for (int j = 1; j <= kModes; ++j) {
                const double speed = i * 0.1;
                const double whirl = (j % 2 == 0 ? 1 : -1) * 0.3 * speed;
                const double omega = 2 * 3.1415926535 * (25.0 * ((j + 1) / 2) + whirl);
                const double sigma = -omega * (0.01 + 0.03 * std::sin(speed / 40 + j));
                t += QString::number(sigma, 'g', 7).rightJustified(11) + QString::number(omega, 'g', 7).rightJustified(11);
            }
            t += QStringLiteral("\r\n");
        }
        return t;
    }();
    return text;
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
    ValdenSettings s;
    s.Xmin = 0, s.Xmax = 200, s.Ymin = 0, s.Ymax = 350;
    s.Xpitch = 25, s.Ypitch = 50, s.Xlength = 20, s.Ylength = 14;
    s.ReMin = -800, s.ReMax = 200, s.ImMin = 0, s.ImMax = 2000;
    s.RePitch = 200, s.ImPitch = 250, s.ReLength = 16, s.ImLength = 13;
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.XYXTitle = QStringLiteral("Speed (rps)");
    s.GaussXTitle = QStringLiteral("Re (1/s)");
    s.DampingTitle = QStringLiteral("Damping ratio");
    s.GaussYTitle = QStringLiteral("Im (rad/s)");
    s.FrequencyTitle = QStringLiteral("Natural frequency (Hz)");
    s.XYTitle = QStringLiteral("Campbell diagram");
    s.GaussTitle = QStringLiteral("Eigenvalue paths");
    return s;
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
        DrawValdenChart(surface, settings, data, AllCurvesShown(), int(state.range(0)));
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
        picture.paint([&](DrawingSurface& surface) { DrawValdenChart(surface, settings, data, AllCurvesShown(), int(state.range(0))); });
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
