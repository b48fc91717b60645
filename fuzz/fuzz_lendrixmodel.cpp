#include "lendrix/lendrixmodel.h"
#include "lendrix/lendrixsettings.h"
#include "lendrix/modelchart.h"

#include "framework/reading/textfile.h"
#include "framework/surface/recordingsurface.h"

#include <cstddef>
#include <cstdint>

// A model file of any content reads within what it can hold, the frequency
// texts match the table's columns, and the chart draws whatever was read on
// the screen and on the page, with "All" and with a few columns.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::LendrixModel model;
    (void)kavel::ReadLendrixModelText(QStringLiteral("fuzz.mac"), text, model);
    if (model.T.size() > model.Z.size() || model.Z.size() > size_t(model.nz))
        __builtin_trap();
    if (const std::optional<QStringList> texts = kavel::FrequencyText(model); texts && texts->size() != model.p + model.q)
        __builtin_trap();
    // Wide tables of zero fields cost time under the sanitizers and explore
    // nothing new in the chart.
    if (double(model.nz) * double(model.p + model.q) > 200000 || model.p + model.q > 5000)
        return 0;

    kavel::LendrixSettings settings;
    settings.X = { 0, 1200, 100, 20 };
    settings.Y = { -5, 5, 1, 12 };
    settings.FrameWidth = 3;
    kavel::LendrixModeFlags all {};
    all[kavel::kLendrixAll] = 1;
    kavel::LendrixModeFlags some { 1, 0, 1 };
    kavel::RecordingSurface screen(kavel::SurfaceKind::Screen);
    kavel::DrawModelChart(screen, settings, model, all);
    kavel::RecordingSurface page(kavel::SurfaceKind::Printer);
    kavel::DrawModelChart(page, settings, model, some);
    return 0;
}
