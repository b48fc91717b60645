#include "mirnok/mirnokviewer.h"

#include "framework/models/rotormodel.h"
#include "framework/reading/textfile.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// Both files MIRNOK reads: a complex mode-shape result and, after a form
// feed, a rotor outline (a fixed one when the input has none). Any content
// reads within what the file can hold, and the chart draws whatever was
// read, on the screen with its legend, on the page, as an animation tick and
// as the export's cycle, with every mode and with the flags of the first
// bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\f');
    const QString result = kavel::TextFile::decode(split < 0 ? bytes : bytes.left(split));
    const QString outline = split < 0
        ? QStringLiteral("h\r\nc\r\n 1\r\n 1 0 0 0\r\n 1 0 100 20\r\n 1 400 100 20\r\n 1 400 0 0\r\n")
        : kavel::TextFile::decode(bytes.mid(split + 1));

    static kavel::MirnokViewer viewer;
    viewer.shapes = kavel::ComplexModeShapes();
    viewer.outline = kavel::RotorModel();
    (void)kavel::ReadComplexModeShapesText(QStringLiteral("fuzz.mac"), result, viewer.shapes);
    (void)kavel::ReadRotorModelText(QStringLiteral("savlen.mac"), outline, viewer.outline);
    if (viewer.shapes.N1() < 0 || viewer.shapes.N2() < 0 || viewer.shapes.shape(2 * viewer.shapes.N1() + 1, 1, 0) != 0.f)
        __builtin_trap();
    // Large counts in a small file draw up to the sketch's segment limit;
    // that costs seconds under the sanitizers and explores nothing new.
    if (static_cast<long long>(viewer.shapes.N1()) * viewer.shapes.N2() > 4096 || viewer.outline.N > 4096)
        return 0;

    kavel::MirnokSettings& s = viewer.settings;
    s.zMin = 0, s.zMax = 1200, s.zPitch = 200, s.zChart = 14;
    s.viewAngle = size > 0 ? double(int(data[0]) % 181 - 90) : -20;
    s.xyMin = -2.5, s.xyMax = 1, s.xyPitch = 0.5, s.xyChart = 10.5;
    s.FrameWidth = 3;
    s.animStep = size > 1 ? double(int(data[1]) - 128) : 10;

    kavel::ModeShown some {};
    for (std::size_t k = 0; k < some.size(); ++k)
        some[k] = size > k + 2 && (data[k + 2] & 1) ? 1 : 0;
    for (const kavel::ModeShown& flags : { kavel::ModeShown::atStart(), some }) {
        viewer.modeShown = flags;
        kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
        viewer.plot(screen);
        (void)viewer.drawnRegion(screen);
        kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
        viewer.print(page);
        if (!std::holds_alternative<kavel::Op::EndDocument>(page.ops().back()))
            __builtin_trap();
        viewer.animation.start();
        (void)viewer.Timer1_Timer(screen);
        int frames = 0;
        kavel::RecordingSurface frame(kavel::SurfaceKind::Screen);
        viewer.drawAnimation(frame, [&] { ++frames; });
        if (frames < 1 || frames > kavel::MirnokViewer::kMaxAnimationFrames)
            __builtin_trap();
    }
    return 0;
}
