#include "wespar/deflectionchart.h"
#include "wespar/deflectiondata.h"
#include "wespar/wesparsettings.h"

#include "framework/models/rotormodel.h"
#include "framework/reading/textfile.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// A deflection file of any content reads within its 16-bit count, and the
// two-chart layout draws whatever was read, on the screen and on the page,
// in both contour modes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::DeflectionData d;
    (void)kavel::ReadDeflectionDataText(QStringLiteral("fuzz.mac"), text, d);
    if (d.n < 0 || size_t(d.n) != d.xs.size() || d.xs.size() != d.defl.size())
        __builtin_trap();

    kavel::RotorModel model;
    (void)kavel::ReadRotorModelText(QStringLiteral("m"), QStringLiteral("h\r\nc\r\n 1\r\n 1 0 0 0\r\n 1 0 100 20\r\n 1 400 100 20\r\n 1 400 0 0\r\n"), model);
    kavel::WesparSettings settings;
    settings.X = { 0, 1200, 100, 21 };
    settings.Y = { -0.1, 0.025, 0.025, 6 };
    settings.R = { -250, 250, 50, 6 };
    settings.FrameWidth = 3;
    settings.CurveWidth = 2;
    for (const qint16 contourMode : { 1, 2 }) {
        settings.ContourMode = contourMode;
        kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
        kavel::DrawDeflectionChart(screen, settings, d, model);
        kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
        kavel::DrawDeflectionChart(page, settings, d, model);
    }
    return 0;
}
