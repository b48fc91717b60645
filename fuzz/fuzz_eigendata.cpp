#include "valden/eigendata.h"
#include "valden/valdenresults.h"
#include "valden/valdensettings.h"
#include "valden/valdenviewer.h"

#include "framework/reading/textfile.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// An eigenvalue result file of any content reads within what it can hold,
// its tables match its counts, and both charts draw whatever was read, on
// the screen and on the page, with every curve shown and with the flags of
// the first bytes, its crossings marked; the crossings are found whatever
// was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::EigenData eigen;
    (void)kavel::ReadEigenDataText(QStringLiteral("fuzz.mac"), text, eigen);
    const std::size_t cells = std::size_t(eigen.N1) * std::size_t(eigen.N2);
    if (eigen.N1 < 0 || eigen.N2 < 0 || eigen.speed.size() != std::size_t(eigen.N1) || eigen.sigma.size() != cells || eigen.omega.size() != cells)
        __builtin_trap();
    // A file that breaks off after modest counts keeps up to 65536 zero
    // values; drawing those under the sanitizers costs much and explores
    // nothing new.
    if (cells > 4096)
        return 0;

    kavel::ValdenSettings settings;
    settings.Xmin = 0, settings.Xmax = 200, settings.Ymin = 0, settings.Ymax = 350;
    settings.Xpitch = 25, settings.Ypitch = 50, settings.Xlength = 20, settings.Ylength = 14;
    settings.ReMin = -800, settings.ReMax = 200, settings.ImMin = 0, settings.ImMax = 2000;
    settings.RePitch = 200, settings.ImPitch = 250, settings.ReLength = 16, settings.ImLength = 13;
    settings.FrameWidth = 3;
    settings.CurveWidth = 2;

    const std::vector<double> orders { 0.5, 1, 2 };
    const kavel::CampbellResults results = kavel::ComputeCampbellResults(eigen, orders);
    (void)kavel::ResultFormat::csv(kavel::CampbellResultRows(results));
    const kavel::ChartMarkers markers = kavel::CampbellMarkers(results, std::vector<std::optional<int>>(std::size_t(eigen.N2), 0));

    kavel::ShowCurveFlags some {};
    for (std::size_t k = 0; k < some.size(); ++k)
        some[k] = size > k && (data[k] & 1) ? 1 : 0;
    for (const kavel::ShowCurveFlags& flags : { kavel::ShowCurveFlags::atStart(), some }) {
        for (const int mode : { int(kavel::ValdenViewer::XYChart), int(kavel::ValdenViewer::GaussChart) }) {
            kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
            kavel::DrawValdenChart(screen, settings, eigen, flags, mode, markers);
            kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
            kavel::DrawValdenChart(page, settings, eigen, flags, mode, markers);
            if (!std::holds_alternative<kavel::Op::EndDocument>(page.ops().back()))
                __builtin_trap();
        }
    }
    return 0;
}
