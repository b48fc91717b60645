#include "mirnokviewer.h"

#include "mirnokeditdialog.h"
#include "mirnokresults.h"

#include "framework/host/atomicfile.h"
#include "framework/host/hostpaths.h"
#include "framework/output/drawnextent.h"
#include "framework/reading/numberparse.h"
#include "framework/reading/numbertext.h"
#include "framework/surface/recordingsurface.h"


#include <cmath>

namespace kavel {

namespace {

const QString kDiagnosticFile = QStringLiteral("c:\\Kavel\\Gavrine\\mirnok\\mirnok.dbg");

// The first mode's rotating speed as the animation step. It is a single;
// the step takes its shortest decimal form, so that 12.3 in the file is
// 12.3 in the settings file and the legend.
double stepFrom(float speed)
{
    return NumberParse::strict(NumberText::general(double(speed), NumberText::kSingleDigits)).value_or(double(speed));
}

} // namespace

MirnokViewer::MirnokViewer()
    : Viewer({ .program = QStringLiteral("MIRNOK"), .mainCaption = QStringLiteral("DASMOR6/D  Drawing"), .fileDialogCaption = QStringLiteral("MIRNOK/F File Open"),
          .editCaption = QStringLiteral("MIRNOK/E  Editing rotor model"), .readsOutline = true }) // no keys: the buttons only
{
    // A result file read as at start-up, the shapes and the animation step
    // from the first mode, but without writing the diagnostic file: the
    // export reads an installation and leaves nothing behind in it.
    bind(settings, shapes, [this](const QString& hostPath) { return readResultAndStep(hostPath); });
    bindOutline(outline);
    opensDialog<MirnokEditDialog>(*this);
    options.flags(QStringLiteral("modeShown"), modeShown);
    // The angle in degrees at which the still chart is drawn.
    options.add(QStringLiteral("phase"), QStringLiteral("phase=DEGREES"), [this](const QStringList& values) {
        const std::optional<double> degrees = values.size() == 1 ? NumberParse::strict(values[0]) : std::nullopt;
        if (!degrees || !std::isfinite(*degrees) || std::fabs(*degrees) > 1e6)
            return false;
        stillPhase = float(*degrees);
        return true;
    });
}

QString MirnokViewer::diagnosticPath() const
{
    return HostPaths::resolve(kDiagnosticFile);
}

ReaderDiagnostic MirnokViewer::ReadResultFile(const QString& path)
{
    return ReadComplexModeShapes(path, shapes);
}

ReaderDiagnostic MirnokViewer::readResultAndStep(const QString& path)
{
    const ReaderDiagnostic result = ReadResultFile(path);
    // A result without modes has no first mode: the step stays.
    if (result.complete() && shapes.N2() >= 1)
        settings.animStep = stepFrom(shapes.modeInfo(1, 1));
    return result;
}

ModeShapeReads MirnokViewer::ReadModeShapeFiles(const QString& resultPath, const QString& outlinePath)
{
    ModeShapeReads reads;
    reads.result = readResultAndStep(resultPath);
    if (!reads.result.complete()) {
        readings.data = reads.result;
        readings.outline = outlinePath.isEmpty() ? ReaderDiagnostic {} : ReaderDiagnostic::notRead(outlinePath, resultPath);
        return reads;
    }
    reads.diagnosticError = AtomicFile::replace(diagnosticPath(), FormatModeDiagnostic(shapes));
    if (!outlinePath.isEmpty())
        reads.outline = readOutline(outlinePath);
    readings.data = reads.result;
    readings.outline = reads.outline;
    return reads;
}

ModeChartOutcome MirnokViewer::DrawModeChart(DrawingSurface& surface, float phi, ModeLegend legend)
{
    lastOutcome = kavel::DrawModeChart(surface, ModeChartInput { settings, shapes, outline, modeShown }, phi, legend);
    return lastOutcome;
}

void MirnokViewer::drawChart(DrawingSurface& surface)
{
    // The still chart; on paper (a landscape page, as the chart output
    // prints every page) without its legend.
    animation.resetPhase();
    DrawModeChart(surface, stillPhase, surface.isPrinter() ? ModeLegend::Hidden : ModeLegend::Shown);
}

ModeChartOutcome MirnokViewer::tick(DrawingSurface& screen, ModeAnimation& state)
{
    const ModeChartOutcome outcome = DrawModeChart(screen, state.phi(), ModeLegend::Hidden);
    if (outcome.complete())
        state.advance(settings.animStep);
    return outcome;
}

ModeChartOutcome MirnokViewer::Timer1_Timer(DrawingSurface& screen)
{
    if (!animation.isRunning())
        return {};
    return tick(screen, animation);
}

int MirnokViewer::drawAnimation(DrawingSurface& screen, const std::function<void()>& frameDone)
{
    ModeAnimation cycle;
    cycle.start();
    int frames = 0;
    do {
        tick(screen, cycle);
        frameDone();
        ++frames;
    } while (frames < kMaxAnimationFrames && cycle.phi() != 0 && std::fabs(cycle.phi()) < 360);
    return frames;
}

std::optional<QRectF> MirnokViewer::drawnRegion(const RecordingSurface& chart) const
{
    std::optional<QRectF> region = DrawnExtent(chart.ops(), chart.kind());
    if (!chart.isPrinter()) {
        if (const std::optional<QRectF> whirl = WhirlEnvelope(ModeChartInput { settings, shapes, outline, modeShown }))
            region = region ? region->united(*whirl) : *whirl;
    }
    // A little paper right of and below the outermost lines, where the
    // sketch grows past the page, so that none lies on the edge.
    constexpr double kMargin = 0.3;
    if (region)
        region = region->adjusted(0, 0, kMargin, kMargin);
    return region;
}

ResultRows MirnokViewer::results() const
{
    return WithCurveColours(ModeSummaryRows(shapes), QStringLiteral("mode"), DrawnCurveColours(shapes.N2(), [this](int i) { return isModeShown(modeShown, i); }));
}

} // namespace kavel
