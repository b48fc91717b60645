#include "holpix/criticalspeedmap.h"
#include "holpix/drawingoptions.h"
#include "holpix/holpixsettings.h"
#include "holpix/mapaxes.h"
#include "holpix/mapchart.h"
#include "holpix/maptochart.h"

#include "framework/surface/recordingsurface.h"
#include "rasterpicture.h"


#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kPoints = 5000;
constexpr int kModes = 6;

// A fine stiffness sweep, 10 to 10^6 kgf/mm, of six modes whose critical
// speeds rise from their pinned-pinned to their clamped values: every curve
// crosses the chart on log-log axes.
const QString& largeMapText()
{
    static const QString text = [] {
        QString t = QStringLiteral("HOLPIX  UNDAMPED CRITICAL SPEED MAP\r\nBenchmark map  5000 points  6 modes\r\n%1%2\r\n  SUPPORT STIFFNESS (kgf/mm)\r\n")
                        .arg(kPoints, 5)
                        .arg(kModes, 5);
        auto stiffness = [](int i) { return 10 * std::pow(10.0, 5.0 * (i - 1) / (kPoints - 1)); };
        for (int i = 1; i <= kPoints; ++i)
            t += QString::number(stiffness(i), 'E', 5).rightJustified(14) + QStringLiteral("\r\n");
        for (int j = 1; j <= kModes; ++j) {
            for (int k = 0; k < 3; ++k) {
                t += QStringLiteral("  MODE %1  KIND %2 (Hz)\r\n").arg(j).arg(k);
                for (int i = 1; i <= kPoints; ++i) {
                    const double low = 15.0 * j * j, high = 40.0 * j * j;
                    const double f = low + (high - low) / (1 + 3e4 * j / stiffness(i)) - 0.02 * k;
                    t += QString::number(f, 'E', 5).rightJustified(14) + QStringLiteral("\r\n");
                }
            }
        }
        return t;
    }();
    return text;
}

const CriticalSpeedMap& largeMap()
{
    static const CriticalSpeedMap map = [] {
        CriticalSpeedMap m;
        ReadCriticalSpeedMapText(QStringLiteral("bench"), largeMapText(), m);
        return m;
    }();
    return map;
}

HolpixSettings largeSettings()
{
    HolpixSettings s;
    s.X = { 10, 1e6, 1e5, 21 };
    s.Y = { 10, 10000, 1000, 15 };
    s.FrameWidth = 3;
    s.XTitle = QStringLiteral("Support stiffness (kgf/mm)");
    s.YTitle = QStringLiteral("Frequency (Hz)");
    s.Title = QStringLiteral("Benchmark map");
    return s;
}

// Arg: 0 the critical speed curves (the start-up chart), 1 the standstill
// curves as well.
MapCurveFlags flagsFor(benchmark::State& state)
{
    MapCurveFlags flags = InitialMapCurveFlags();
    flags[kAllStandstill] = qint16(state.range(0));
    return flags;
}

void BM_ReadCriticalSpeedMapText(benchmark::State& state)
{
    const QString& text = largeMapText();
    for (auto _ : state) {
        CriticalSpeedMap map;
        ReadCriticalSpeedMapText(QStringLiteral("bench"), text, map);
        benchmark::DoNotOptimize(map.frequencies.data());
    }
    state.SetItemsProcessed(state.iterations() * kPoints * (1 + 3 * kModes));
}
BENCHMARK(BM_ReadCriticalSpeedMapText)->Unit(benchmark::kMillisecond);

void BM_MapToChart(benchmark::State& state)
{
    const CriticalSpeedMap& map = largeMap();
    HolpixSettings settings = largeSettings();
    RecordingSurface axes;
    const ChartGeometry g = *ChartGeometry::compute(settings.X, settings.Y, kHolpixOriginX, kHolpixOriginY);
    const MapScales scales = DrawMapAxes(axes, settings, g, AxisScale::Log, AxisScale::Log);
    for (auto _ : state) {
        const ChartPoints points = MapToChart(map, settings, scales);
        benchmark::DoNotOptimize(points.chartYs.data());
    }
}
BENCHMARK(BM_MapToChart)->Unit(benchmark::kMillisecond);

// "3:Plot" straight onto a picture of the chart region at 96 dpi,
// antialiased as the picture area draws: axes, mapping and curves.
void BM_MapPlotRaster(benchmark::State& state)
{
    const CriticalSpeedMap& map = largeMap();
    const MapCurveFlags flags = flagsFor(state);
    RasterPicture picture;
    for (auto _ : state) {
        HolpixSettings settings = largeSettings();
        picture.paint([&](DrawingSurface& surface) { DrawCriticalSpeedMap(surface, settings, map, flags, InitialAxisOptions()); });
    }
}
BENCHMARK(BM_MapPlotRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
