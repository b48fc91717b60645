#include "framework/models/rotormodel.h"
#include "savlen/savlensettings.h"
#include "savlen/sectionchart.h"

#include "framework/reading/textfile.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// A rotor model file of any content reads within what it can hold, and the
// section chart draws whatever was read, on the screen and on the page, in
// both contour modes and with the element numbers.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::RotorModel model;
    (void)kavel::ReadRotorModelText(QStringLiteral("fuzz.mac"), text, model);
    if (size_t(model.N) != model.points.size())
        __builtin_trap();
    // A file that breaks off after a large count keeps up to 131068 zero
    // points; drawing those costs seconds under the sanitizers and explores
    // nothing new, so the chart is drawn for the smaller models only.
    if (model.N > 4096)
        return 0;

    kavel::SavlenSettings settings;
    settings.X = { -100, 1200, 100, 22 };
    settings.Y = { -250, 250, 50, 9 };
    settings.FrameWidth = 3;
    for (const qint16 contourMode : { 1, 2 }) {
        settings.ContourMode = contourMode;
        kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
        kavel::DrawSectionChart(screen, settings, model, 1);
        kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
        kavel::DrawSectionChart(page, settings, model, contourMode == 2 ? 0 : 1);
    }
    return 0;
}
