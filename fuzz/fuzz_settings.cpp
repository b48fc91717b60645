#include "savlen/savlensettings.h"

#include "framework/reading/textfile.h"
#include "framework/settings/chartsettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

bool same(const kavel::AxisSettings& a, const kavel::AxisSettings& b)
{
    return a.min == b.min && a.max == b.max && a.pitch == b.pitch && a.length == b.length;
}

bool same(const kavel::SavlenSettings& a, const kavel::SavlenSettings& b)
{
    return same(a.X, b.X) && same(a.Y, b.Y) && a.FrameWidth == b.FrameWidth && a.SpareFlag == b.SpareFlag
        && a.ContourMode == b.ContourMode && a.XTitle == b.XTitle && a.YTitle == b.YTitle && a.Title == b.Title;
}

} // namespace

// A settings file of any content reads without harm, and what the viewer
// then writes at quit reads back to the same record.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::SavlenSettings settings;
    (void)kavel::ReadChartSettingsText(QStringLiteral("fuzz.tmp"), text, settings.layout());

    // The code page guess is ambiguous by design: CP932 bytes that happen to
    // be valid UTF-8 (half-width katakana pairs) read as UTF-8, and ICU maps
    // a substitution character to 0x7F. Texts the code page alone cannot
    // carry through a write and a read are the code page's matter, not the
    // settings file's.
    const QString titles = settings.XTitle + QLatin1String("\r\n") + settings.YTitle + QLatin1String("\r\n") + settings.Title;
    if (kavel::TextFile::decode(kavel::TextFile::encode(titles)) != titles)
        return 0;

    const QByteArray written = kavel::FormatChartSettings(settings.layout());
    kavel::SavlenSettings reread;
    const kavel::ReaderDiagnostic back = kavel::ReadChartSettingsText(QStringLiteral("written.tmp"), kavel::TextFile::decode(written), reread.layout());
    if (!back.complete() || !same(settings, reread)) {
        std::fprintf(stderr, "the written settings read back differently: %s\n", qPrintable(back.toString()));
        __builtin_trap();
    }
    return 0;
}
