#include "framework/rotormodel.h"
#include "savlen/savlensettings.h"
#include "savlen/sectionchart.h"

#include "framework/painterrenderer.h"
#include "framework/paintersurface.h"
#include "framework/recordingsurface.h"
#include "framework/textfile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace kavel;

namespace {

constexpr int kElements = 5000;

// A long rotor of 5000 elements (20000 points), 10 mm each, in the layout the
// model-input analysis writes: discs and bores of varying size.
const QString& largeModelText()
{
    static const QString text = [] {
        QString t = QStringLiteral("SAVLEN  ROTOR MODEL DATA\r\nBenchmark rotor  5000 elements\r\n%1\r\n").arg(kElements, 6);
        for (int e = 0; e < kElements; ++e) {
            const double x0 = e * 10.0;
            const double x1 = x0 + 10.0;
            const double D = 80 + 60 * std::sin(e * 0.05) + (e % 97 == 0 ? 300 : 0);
            const double d = e % 3 == 0 ? 20 : 0;
            const int n = e % 30000 + 1;
            for (const auto& [x, outer, inner] : { std::tuple { x0, 0.0, 0.0 }, { x0, D, d }, { x1, D, d }, { x1, 0.0, 0.0 } })
                t += QStringLiteral("%1 %2 %3 %4\r\n").arg(n, 6).arg(x, 10, 'f', 2).arg(outer, 10, 'f', 2).arg(inner, 10, 'f', 2);
        }
        return t;
    }();
    return text;
}

const RotorModel& largeModel()
{
    static const RotorModel model = [] {
        RotorModel m;
        ReadRotorModelText(QStringLiteral("bench"), largeModelText(), m);
        return m;
    }();
    return model;
}

SavlenSettings largeSettings()
{
    SavlenSettings s;
    s.X = { 0, kElements * 10.0, 5000, 25 };
    s.Y = { -250, 250, 50, 10 };
    s.FrameWidth = 3;
    s.ContourMode = 1;
    s.XTitle = QStringLiteral("Axial position (mm)");
    s.YTitle = QStringLiteral("Radius (mm)");
    s.Title = QStringLiteral("Benchmark rotor");
    return s;
}

void BM_ReadRotorModelText(benchmark::State& state)
{
    const QString& text = largeModelText();
    for (auto _ : state) {
        RotorModel model;
        ReadRotorModelText(QStringLiteral("bench"), text, model);
        benchmark::DoNotOptimize(model.points.data());
    }
    state.SetItemsProcessed(state.iterations() * kElements * 4);
}
BENCHMARK(BM_ReadRotorModelText)->Unit(benchmark::kMillisecond);

// From the disk, with the code page decoding.
void BM_ReadRotorModelFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("savlen.mac"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(TextFile::encode(largeModelText())) < 0) {
        state.SkipWithError("cannot write the model file");
        return;
    }
    file.close();
    for (auto _ : state) {
        RotorModel model;
        ReadRotorModel(path, model);
        benchmark::DoNotOptimize(model.points.data());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadRotorModelFile)->Unit(benchmark::kMillisecond);

// Arg: ShowNumbers (0 or 1; 1 adds 5001 labels).
void BM_PlotRecording(benchmark::State& state)
{
    const RotorModel& model = largeModel();
    const SavlenSettings settings = largeSettings();
    for (auto _ : state) {
        RecordingSurface surface(SurfaceKind::Screen);
        DrawSectionChart(surface, settings, model, int(state.range(0)));
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_PlotRecording)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The "3:Plot" chart straight onto a picture of the chart region at 96 dpi,
// antialiased as the picture area draws. Arg: ShowNumbers.
void BM_PlotRaster(benchmark::State& state)
{
    const RotorModel& model = largeModel();
    const SavlenSettings settings = largeSettings();
    QImage image(1134, 794, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterSurface surface(SurfaceKind::Screen, painter, DeviceMapping::fitted(QRectF(image.rect())));
        DrawSectionChart(surface, settings, model, int(state.range(0)));
    }
}
BENCHMARK(BM_PlotRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the picture area does at every repaint and resize: replays the
// recorded chart. Arg: ShowNumbers.
void BM_ReplayRaster(benchmark::State& state)
{
    RecordingSurface recording(SurfaceKind::Screen);
    DrawSectionChart(recording, largeSettings(), largeModel(), int(state.range(0)));
    QImage image(1134, 794, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterRenderer(painter, DeviceMapping::fitted(QRectF(image.rect()))).paint(recording.ops());
    }
    state.counters["ops"] = double(recording.ops().size());
}
BENCHMARK(BM_ReplayRaster)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
