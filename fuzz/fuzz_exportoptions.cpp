#include "export/chartexport.h"
#include "export/exportrequest.h"
#include "export/viewerregistry.h"

#include "framework/output/plotteddata.h"
#include "framework/reading/numbertext.h"
#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"

#include <QGuiApplication>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// Every number of the plotted data reads back to the value it stands for.
void checkReadsBack(const kavel::PlottedData& data)
{
    for (const auto& column : data.columns) {
        for (const double v : column) {
            const QString text = kavel::plottedNumber(v);
            if (!std::isfinite(v)) {
                if (!text.isEmpty())
                    __builtin_trap();
                continue;
            }
            bool ok = false;
            const bool single = double(float(v)) == v;
            const bool same = single ? text.toFloat(&ok) == float(v) : text.toDouble(&ok) == v;
            if (!ok || !same)
                __builtin_trap();
        }
    }
}

} // namespace

// A command line of kavel-export, its words one a line after a first line
// naming the viewer (or choosing one by its length): whatever the options and their values, the parser
// answers, the viewer takes or refuses each option, and the chart it then
// draws from the sample installation on both surfaces gives plotted data
// whose every number reads back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = { name, nullptr };
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("KAVEL_ROOT", KAVEL_SAMPLE_ROOT);
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    const QStringList words = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));
    const QStringList viewers = kavel::ViewerRegistry::builtViewers();
    const QString viewerName = viewers.contains(words.front()) ? words.front() : viewers.value(int(words.front().size()) % int(viewers.size()));
    const kavel::ParsedExportArguments parsed = kavel::parseExportArguments(
        QStringList { viewerName } + words.mid(1) + QStringList { QStringLiteral("-o"), QStringLiteral("x.csv") });
    if (!parsed.request)
        return 0;
    std::unique_ptr<kavel::Viewer> viewer = kavel::ViewerRegistry::create(parsed.request->viewer);
    if (!viewer)
        return 0;
    viewer->load();
    for (const auto& [option, values] : parsed.request->options)
        (void)viewer->setOption(option, values);
    for (const kavel::SurfaceKind kind : { kavel::SurfaceKind::Screen, kavel::SurfaceKind::Printer }) {
        kavel::RecordingSurface chart(kind);
        if (kind == kavel::SurfaceKind::Printer)
            viewer->print(chart);
        else
            viewer->plot(chart);
        const kavel::PlottedData plotted = kavel::PlottedData::of(chart.areas());
        checkReadsBack(plotted);
        (void)plotted.csv();
    }
    return 0;
}
