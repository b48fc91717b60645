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
{
    dataPath = defaultDataPath();
}

const ViewerIdentity& MirnokViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("MIRNOK"),
        .exportName = QStringLiteral("mirnok"),
        .mainCaption = QStringLiteral("DASMOR6/D  Drawing"),
        .fileDialogCaption = QStringLiteral("MIRNOK/F File Open"),
        .editCaption = QStringLiteral("MIRNOK/E  Editing rotor model"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\mirnok.mac"),
        .outlineFile = QStringLiteral("c:\\Kavel\\data\\savlen.mac"),
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\mirnok\\"),
        .workingFile = QStringLiteral("mirnok.tmp"),
        .factoryFile = QStringLiteral("mirnok.org"),
        .defaultCaption = QStringLiteral("5:Default"),
        .keys = {}, // the buttons only
    };
    return id;
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

ReaderDiagnostic MirnokViewer::readData(const QString& hostPath)
{
    return readResultAndStep(hostPath);
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

ReaderDiagnostic MirnokViewer::readOutline(const QString& hostPath)
{
    return ReadRotorModel(hostPath, outline);
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

bool MirnokViewer::setOption(const QString& name, const QStringList& values)
{
    if (name == QLatin1String("modeShown"))
        return setFromOption(modeShown, values);
    if (name == QLatin1String("phase")) {
        const std::optional<double> degrees = values.size() == 1 ? NumberParse::strict(values[0]) : std::nullopt;
        if (!degrees || !std::isfinite(*degrees) || std::fabs(*degrees) > 1e6)
            return false;
        stillPhase = float(*degrees);
        return true;
    }
    return false;
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

QStringList MirnokViewer::optionUsage() const
{
    return { flagsUsage(QStringLiteral("modeShown"), kModeBoxCount), QStringLiteral("phase=DEGREES") };
}

ResultRows MirnokViewer::results() const
{
    ResultRows rows = ModeSummaryRows(shapes);
    SetRowColours(rows, QStringLiteral("mode"), DrawnCurveColours(shapes.N2(), [this](int i) { return isModeShown(modeShown, i); }));
    return rows;
}

EditDialog* MirnokViewer::createEditDialog(QWidget* parent)
{
    return new MirnokEditDialog(*this, parent);
}

} // namespace kavel
