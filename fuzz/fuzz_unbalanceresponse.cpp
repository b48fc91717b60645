#include "zeptal/curveflags.h"
#include "zeptal/unbalanceresponse.h"
#include "zeptal/zeptalresults.h"
#include "zeptal/zeptalsettings.h"
#include "zeptal/zeptalviewer.h"

#include "framework/reading/textfile.h"
#include "framework/results/resultformat.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// An unbalance response file of any content reads within what it can hold,
// its table matches its counts, and both charts draw whatever was read, on
// the screen and on the page, with every curve and with the flags of the
// first bytes, its peaks marked; the peaks are found whatever was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::UnbalanceResponse response;
    (void)kavel::ReadUnbalanceResponseText(QStringLiteral("fuzz.mac"), text, response);
    const std::size_t cells = (std::size_t(response.speedCount) + 1) * (std::size_t(response.curveCount) + 1);
    if (response.speedCount < 0 || response.curveCount < 0 || (response.speedCount + response.curveCount > 0 && response.values.size() != cells * 2))
        __builtin_trap();
    // A file that breaks off after modest counts keeps up to 65536 zero
    // cells; drawing those under the sanitizers explores nothing new.
    if (cells > 4096)
        return 0;

    kavel::ZeptalSettings settings;
    settings.Xmin = 0, settings.Xmax = 12000, settings.Ymin = 0, settings.Ymax = 20;
    settings.Xpitch = 1000, settings.Ypitch = 5, settings.Xlength = 20, settings.Ylength = 12;
    settings.FrameWidth = 3;
    settings.CurveWidth = 2;

    const std::vector<kavel::ResponsePeak> peaks = kavel::ComputeResponsePeaks(response, kavel::OperatingRange { 3000, 9000 });
    (void)kavel::ResultFormat::jsonLines(kavel::ResponsePeakRows(peaks));
    const kavel::ChartMarkers markers = kavel::ResponsePeakMarkers(peaks, std::vector<std::optional<int>>(std::size_t(response.curveCount), 0));

    kavel::CurveFlags some {};
    for (std::size_t k = 0; k < some.size(); ++k)
        some[k] = size > k && (data[k] & 1) ? 1 : 0;
    for (const kavel::CurveFlags& flags : { kavel::CurveFlags::atStart(), some }) {
        for (const int style : { int(kavel::ZeptalViewer::BodeChart), int(kavel::ZeptalViewer::PolarChart) }) {
            kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
            kavel::DrawZeptalChart(screen, settings, response, flags, style, markers);
            kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
            kavel::DrawZeptalChart(page, settings, response, flags, style, markers);
            if (!std::holds_alternative<kavel::Op::EndDocument>(page.ops().back()))
                __builtin_trap();
        }
    }
    return 0;
}
