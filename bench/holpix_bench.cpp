#include "holpix/criticalspeedmap.h"
#include "holpix/drawingoptions.h"
#include "holpix/holpixsettings.h"
#include "holpix/mapaxes.h"
#include "holpix/mapchart.h"
#include "holpix/maptochart.h"

#include "framework/surface/recordingsurface.h"
#include "largefiles.h"
#include "rasterpicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kPoints = LargeFiles::kMapPoints;
constexpr int kModes = LargeFiles::kMapModes;

const QString& largeMapText()
{
    return LargeFiles::criticalSpeedMap();
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
    return LargeFiles::holpixSettings();
}

// Arg: 0 the critical speed curves (the start-up chart), 1 the standstill
// curves as well.
MapCurveFlags flagsFor(benchmark::State& state)
{
    MapCurveFlags flags = MapCurveFlags::atStart();
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
    const ChartGeometry g = *ChartGeometry::compute(settings.X, settings.Y, kHolpixOrigin);
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
