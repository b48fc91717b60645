#include "holpix/criticalspeedmap.h"
#include "holpix/drawingoptions.h"
#include "holpix/holpixresults.h"
#include "holpix/holpixsettings.h"
#include "holpix/mapchart.h"

#include "framework/reading/textfile.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// A critical speed map file of any content reads within what it can hold,
// its arrays match its counts, and the map draws whatever was read on all
// four axis combinations, on the screen and on the page, with every curve
// shown and with the flags of the first bytes, from settings that include a
// log minimum of 0 and a zero pitch, with stiffness lines and their
// frequencies marked.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::CriticalSpeedMap map;
    (void)kavel::ReadCriticalSpeedMapText(QStringLiteral("fuzz.mac"), text, map);
    const std::size_t points = std::size_t(map.pointCount) + 1;
    const std::size_t values = points * (std::size_t(map.modeCount) + 1) * kavel::kMapCurveKinds;
    if (map.pointCount < 0 || map.modeCount < 0 || map.stiffness.size() != points || map.frequencies.size() != values)
        __builtin_trap();
    // A file that breaks off after large counts keeps up to some 700 000
    // zero values; drawing those under the sanitizers costs much and
    // explores nothing new.
    if (values > 20000)
        return 0;

    const std::vector<double> stiffness { 100, 1000, 1e5 };
    const std::vector<kavel::MapFrequency> frequencies = kavel::ComputeMapFrequencies(map, stiffness, std::nullopt);
    (void)kavel::ResultFormat::jsonLines(kavel::MapFrequencyRows(frequencies));
    const kavel::ChartMarkers markers = kavel::MapFrequencyMarkers(stiffness, frequencies, [](int, int) { return std::optional(0); });

    kavel::MapCurveFlags some {};
    for (std::size_t k = 0; k < some.size(); ++k)
        some[k] = size > k && (data[k] & 1) ? 1 : 0;
    kavel::MapCurveFlags every {};
    every.fill(1);
    for (int axes = 0; axes < 4; ++axes) {
        kavel::AxisOptions options {};
        options[axes & 1 ? kavel::kXLog : kavel::kXLin] = 1;
        options[axes & 2 ? kavel::kYLog : kavel::kYLin] = 1;
        for (const kavel::MapCurveFlags& flags : { every, some }) {
            kavel::HolpixSettings settings;
            settings.X = { 0, 100000, 10000, 21 };
            settings.Y = { 10, 10000, 0, 15 };
            settings.FrameWidth = 3;
            kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
            kavel::DrawCriticalSpeedMap(screen, settings, map, flags, options, markers);
            kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
            kavel::DrawCriticalSpeedMap(page, settings, map, flags, options, markers);
            if (!std::holds_alternative<kavel::Op::EndDocument>(page.ops().back()))
                __builtin_trap();
        }
    }
    return 0;
}
