#include "mirno1/mirno1results.h"
#include "mirno1/modeshapefiles.h"
#include "mirno1/planarmodechart.h"

#include "framework/models/rotormodel.h"
#include "framework/reading/textfile.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// A planar mode-shape result of any content reads without allocating for
// what the file cannot hold, and the chart draws whatever was read, on the
// screen and on the page, with some modes and with "All"; its nodes and
// largest deflections are found from whatever was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::PlanarModeShapes shapes;
    (void)kavel::ReadModeShapeResultText(QStringLiteral("fuzz.mac"), text, shapes);
    if (shapes.N1 < 0 || size_t(shapes.N1) != shapes.stationPos.size())
        __builtin_trap();
    // Large counts in a small file draw up to the chart's segment limit;
    // that costs seconds under the sanitizers and explores nothing new.
    if (static_cast<long long>(shapes.N1) * shapes.N2 > 4096)
        return 0;
    (void)kavel::ResultFormat::table(kavel::PlanarModeRows(shapes));

    kavel::RotorModel outline;
    (void)kavel::ReadRotorModelText(QStringLiteral("m"), QStringLiteral("h\r\nc\r\n 1\r\n 1 0 0 0\r\n 1 0 100 20\r\n 1 400 100 20\r\n 1 400 0 0\r\n"), outline);
    kavel::Mirno1Settings settings;
    settings.X = { 0, 1200, 100, 22 };
    settings.Y = { -1.2, 1.2, 0.4, 10 };
    settings.FrameWidth = 3;
    kavel::ModeFlags some {};
    some[0] = some[2] = 1;
    for (const kavel::ModeFlags& flags : { some, kavel::ModeFlags::atStart() }) {
        kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
        kavel::DrawPlanarModeChart(screen, settings, shapes, outline, flags);
        kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
        kavel::DrawPlanarModeChart(page, settings, shapes, outline, flags);
    }
    return 0;
}
