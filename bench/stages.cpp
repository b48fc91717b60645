#include "largeroot.h"

#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "framework/output/chartoutput.h"
#include "framework/output/fontmap.h"
#include "framework/viewer.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace kavel;

// kavel_stages: where one cold export of the large Campbell chart spends
// its time, in the order kavel-export goes through it, once each: what
// happens only once in a process (the platform, the font set-up) cannot be
// repeated in a benchmark loop. The process start itself is timed from
// outside (scripts/bench-export.sh).
int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    QElapsedTimer clock;
    clock.start();
    auto stage = [&](const char* name) {
        out << QStringLiteral("%1 %2 ms\n").arg(QLatin1String(name), -28).arg(double(clock.nsecsElapsed()) / 1e6, 7, 'f', 2);
        clock.restart();
    };

    QTemporaryDir dir;
    if (const QString error = LargeFiles::writeRoot(dir.path()); !error.isEmpty()) {
        out << error << '\n';
        return 1;
    }
    qputenv("KAVEL_ROOT", QFile::encodeName(dir.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    clock.restart();

    QGuiApplication app(argc, argv);
    stage("platform (QGuiApplication)");
    const QFontMetricsF metrics(FontMap::font(QStringLiteral("times new roman"), 33));
    metrics.horizontalAdvance(QStringLiteral("Campbell 0123456789"));
    stage("font set-up");

    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(QStringLiteral("valden"));
    viewer->readSettings(viewer->workingSettingsPath());
    viewer->loadData(viewer->defaultDataPath());
    stage("reading (settings, data)");
    const OpList ops = RecordChart(*viewer, SurfaceKind::Printer);
    stage("recording");

    auto write = [&](const char* name, const QString& error) {
        if (!error.isEmpty())
            out << error << '\n';
        stage(name);
    };
    write("PDF (rendering, encoding)", ChartOutput::writePdf(ops, SurfaceKind::Printer, dir.filePath(QStringLiteral("c.pdf"))));
    write("PNG (rendering, encoding)", ChartOutput::writePng(ops, SurfaceKind::Printer, dir.filePath(QStringLiteral("c.png"))));
    write("SVG (rendering, encoding)", ChartOutput::writeSvg(ops, SurfaceKind::Printer, dir.filePath(QStringLiteral("c.svg"))));
    write("JSON Lines", ChartOutput::writeJson(ops, dir.filePath(QStringLiteral("c.json")), exportHeader(QStringLiteral("valden"), SurfaceKind::Printer)));
    return 0;
}
