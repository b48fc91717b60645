#include "largeroot.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "framework/output/chartoutput.h"
#include "framework/output/render.h"
#include "framework/viewer.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kavel;

namespace {

// The large Campbell chart as kavel-export draws it: the printed page of
// VALDEN's 2000 speeds × 12 modes, recorded once.
struct Campbell {
    QTemporaryDir dir;
    OpList ops;

    Campbell()
    {
        if (const QString error = LargeFiles::writeRoot(dir.path()); !error.isEmpty())
            qFatal("%s", qPrintable(error));
        qputenv("KAVEL_ROOT", QFile::encodeName(dir.path()));
        std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("valden"));
        viewer->load();
        if (!viewer->readingsComplete())
            qFatal("%s", qPrintable(viewer->readingReport()));
        ops = RecordChart(*viewer, SurfaceKind::Printer);
    }
    QString out(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

const Campbell& campbell()
{
    static const Campbell c;
    return c;
}

void BM_CampbellRecord(benchmark::State& state)
{
    const Campbell& c = campbell();
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("valden"));
    viewer->load();
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordChart(*viewer, SurfaceKind::Printer).size());
    state.counters["ops"] = double(c.ops.size());
}
BENCHMARK(BM_CampbellRecord)->Unit(benchmark::kMillisecond);

void BM_CampbellPdf(benchmark::State& state)
{
    const Campbell& c = campbell();
    for (auto _ : state) {
        if (const QString error = ChartOutput::writePdf(c.ops, SurfaceKind::Printer, c.out("c.pdf")); !error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["bytes"] = double(QFileInfo(c.out("c.pdf")).size());
}
BENCHMARK(BM_CampbellPdf)->Unit(benchmark::kMillisecond);

void BM_CampbellSvg(benchmark::State& state)
{
    const Campbell& c = campbell();
    for (auto _ : state) {
        if (const QString error = ChartOutput::writeSvg(c.ops, SurfaceKind::Printer, c.out("c.svg")); !error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["bytes"] = double(QFileInfo(c.out("c.svg")).size());
}
BENCHMARK(BM_CampbellSvg)->Unit(benchmark::kMillisecond);

void BM_CampbellPng(benchmark::State& state)
{
    const Campbell& c = campbell();
    for (auto _ : state) {
        if (const QString error = ChartOutput::writePng(c.ops, SurfaceKind::Printer, c.out("c.png")); !error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["bytes"] = double(QFileInfo(c.out("c.png")).size());
}
BENCHMARK(BM_CampbellPng)->Unit(benchmark::kMillisecond);

// The PNG's two halves: drawing the picture, then encoding it.
QImage campbellPicture()
{
    const QSize size = ChartOutput::pictureSize(kChartRegion, 96);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    DeviceMapping mapping = DeviceMapping::fitted(QRectF(QPointF(0, 0), size), 96, kChartRegion, SurfaceKind::Printer);
    mapping.thinnestLine = 1;
    render(image, campbell().ops, { mapping, true });
    return image;
}

void BM_CampbellPngRender(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(campbellPicture().constBits());
}
BENCHMARK(BM_CampbellPngRender)->Unit(benchmark::kMillisecond);

// Qt's PNG writer takes the zlib level as a quality, level (100 − q)·9/91.
int pngQuality(int level)
{
    return level < 0 ? -1 : 100 - (level * 91 + 8) / 9;
}

// Arg: the zlib level (0 to 9); -1 leaves Qt's default.
void BM_CampbellPngEncode(benchmark::State& state)
{
    const QImage image = campbellPicture();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG", pngQuality(int(state.range(0))));
        bytes = buffer.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_CampbellPngEncode)->Arg(-1)->Arg(0)->Arg(1)->Arg(3)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);

// JSON Lines of 100 000 operations: lines of one pen along a curve, with a
// label every hundred.
void BM_Json100k(benchmark::State& state)
{
    OpList ops;
    ops.reserve(100000);
    for (int i = 0; ops.size() < 100000; ++i) {
        if (i % 100 == 0)
            ops.push_back(Op::Text { float(i % 30), 2.5f, QStringLiteral(" %1 ").arg(i), QStringLiteral("times new roman"), 8, 0, 0, Rgb {}, TextAnchor::TopLeft });
        else
            ops.push_back(Op::Line { float(i % 300) * 0.1f, 18.f - float(i % 170) * 0.1f, float(i % 300) * 0.1f + 0.1f, 18.f - float(i % 170) * 0.1f, Rgb { 0, 0, 128 }, 2 });
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ops.json"));
    for (auto _ : state) {
        if (const QString error = ChartOutput::writeJson(ops, path, exportHeader(QStringLiteral("valden"), SurfaceKind::Printer)); !error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.SetItemsProcessed(state.iterations() * qint64(ops.size()));
}
BENCHMARK(BM_Json100k)->Unit(benchmark::kMillisecond);

} // namespace
