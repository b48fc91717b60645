#include "zeptal/curveflags.h"
#include "zeptal/unbalanceresponse.h"
#include "zeptal/zeptalchart.h"
#include "zeptal/zeptalresults.h"
#include "zeptal/zeptalsettings.h"

#include "framework/surface/recordingsurface.h"
#include "rasterpicture.h"


#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kSpeeds = 20000;
constexpr int kCurves = 5;

// A run-up from 0 to 12000 rpm in 20000 steps: five responses, each a
// resonance peak at its own speed with the phase turning through −180.
const QString& largeResponseText()
{
    static const QString text = [] {
        QString t = QStringLiteral("    *** MAC QORVAT **\r\nBenchmark run-up  20000 speeds  5 curves\r\n%1%2\r\n").arg(kSpeeds, 6).arg(kCurves, 6);
        t += QStringLiteral("   NO.  SPEED(rpm)   AMP1(um)     PHASE1\r\n");
        for (int i = 1; i <= kSpeeds; ++i) {
            const double speed = i * 0.6;
            t += QString::number(i).rightJustified(6).leftJustified(7) + QString::number(speed, 'f', 3).rightJustified(11);
            for (int j = 1; j <= kCurves; ++j) {
                const double r = speed / (2000.0 * j);
                const double amplitude = 2 * r * r / std::sqrt((1 - r * r) * (1 - r * r) + 0.01 * r * r);
                const double phase = -std::atan2(0.1 * r, 1 - r * r) * 180 / 3.141592653589793 - 10 * j;
                t += QString::number(amplitude, 'g', 5).rightJustified(11) + QString::number(phase, 'f', 5).rightJustified(11);
            }
            t += QStringLiteral("\r\n");
        }
        return t;
    }();
    return text;
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
    ZeptalSettings s;
    s.Xmin = 0, s.Xmax = 12000, s.Ymin = 0, s.Ymax = 20;
    s.Xpitch = 1000, s.Ypitch = 5, s.Xlength = 20, s.Ylength = 12;
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.XTitle = QStringLiteral("Speed (rpm)");
    s.PhaseTitle = QStringLiteral("Phase (deg)");
    s.AmplitudeTitle = QStringLiteral("Amplitude (um)");
    s.Title = QStringLiteral("Unbalance response");
    return s;
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
        DrawZeptalChart(surface, settings, data, DefaultCurveFlags(), int(state.range(0)));
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
        picture.paint([&](DrawingSurface& surface) { DrawZeptalChart(surface, settings, data, DefaultCurveFlags(), int(state.range(0))); });
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
