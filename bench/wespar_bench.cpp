#include "wespar/deflectionchart.h"
#include "wespar/deflectiondata.h"
#include "wespar/wesparsettings.h"

#include "largerotor.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kPoints = 20000;

// A deflection file as the analysis writes it: two lines of 20000 fields.
const QString& largeDeflectionText()
{
    static const QString text = [] {
        QString xs = QStringLiteral("X(mm) "), ws = QStringLiteral("W(mm) ");
        for (int i = 0; i < kPoints; ++i) {
            xs += QStringLiteral("%1").arg(i * 2.5, 11, 'f', 4);
            ws += QStringLiteral("%1").arg(0.08 * std::sin(i * 3.14159 / kPoints), 11, 'f', 5);
        }
        return QStringLiteral("WESPAR  STATIC DEFLECTION\r\nBenchmark rotor\r\n%1\r\n").arg(kPoints) + xs + QStringLiteral("\r\n") + ws + QStringLiteral("\r\n");
    }();
    return text;
}

WesparSettings largeSettings()
{
    WesparSettings s;
    s.X = { 0, 50000, 5000, 21 };
    s.Y = { -0.1, 0.1, 0.025, 6 };
    s.R = { -250, 250, 50, 6 };
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.ContourMode = 1;
    s.Title = QStringLiteral("Benchmark deflection");
    return s;
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
