#include "savlen/savlensettings.h"

#include "framework/reading/textfile.h"
#include "framework/settings/chartsettings.h"

#include <QFile>

#include <benchmark/benchmark.h>

using namespace kavel;

namespace {

const QString kSampleSettings = QStringLiteral(KAVEL_SAMPLE_ROOT "/Gavrine/savlen/savlen.tmp");

void BM_ReadChartSettingsText(benchmark::State& state)
{
    const QString text = TextFile::read(kSampleSettings).value_or(QString());
    for (auto _ : state) {
        SavlenSettings settings;
        benchmark::DoNotOptimize(ReadChartSettingsText(QStringLiteral("savlen.tmp"), text, settings.layout()));
    }
}
BENCHMARK(BM_ReadChartSettingsText);

// The start-up read: open, decode the code page, parse, close.
void BM_ReadChartSettingsFile(benchmark::State& state)
{
    if (!QFile::exists(kSampleSettings)) {
        state.SkipWithError("no sample settings file");
        return;
    }
    for (auto _ : state) {
        SavlenSettings settings;
        benchmark::DoNotOptimize(ReadChartSettings(kSampleSettings, settings.layout()));
    }
}
BENCHMARK(BM_ReadChartSettingsFile);

void BM_FormatChartSettings(benchmark::State& state)
{
    SavlenSettings settings;
    ReadChartSettings(kSampleSettings, settings.layout());
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatChartSettings(settings.layout()));
}
BENCHMARK(BM_FormatChartSettings);

} // namespace
