#include "valdenviewer.h"

#include "valdenchart.h"
#include "valdeneditdialogs.h"
#include "valdenresults.h"

#include "framework/host/hostpaths.h"
#include "framework/surface/palette.h"

#include <QFileInfo>

namespace kavel {

namespace {

// Installations have carried the factory settings in two places: beside the
// working file (valdens\valdens.org) and in the older directory valden\,
// whose valden.tmp some installations still read.
const QString kLegacyDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\valden\\");
const QString kLegacyFactoryFile = QStringLiteral("valden.org");
const QString kLegacyWorkingFile = QStringLiteral("valden.tmp");

} // namespace

ValdenViewer::ValdenViewer()
{
    dataPath = defaultDataPath();
}

const ViewerIdentity& ValdenViewer::identity() const
{
    static const ViewerIdentity id {
        .program = QStringLiteral("VALDEN"),
        .exportName = QStringLiteral("valden"),
        .mainCaption = QStringLiteral("valden/D  Drawing"),
        .fileDialogCaption = QStringLiteral("valden/F File Open"),
        .editCaption = QStringLiteral("valden-XY  Editing"),
        .defaultDataFile = QStringLiteral("c:\\Kavel\\data\\valden.mac"),
        .outlineFile = {},
        .settingsDirectory = QStringLiteral("c:\\Kavel\\Gavrine\\valdens\\"),
        .workingFile = QStringLiteral("valdens.tmp"),
        .factoryFile = QStringLiteral("valdens.org"),
        .defaultCaption = QStringLiteral("5: Default"),
        .keys = numberKeys(KeyFive::RestoresDefaults),
    };
    return id;
}

QString ValdenViewer::gaussEditCaption()
{
    return QStringLiteral("valden-Gauss  Editing");
}

ReaderDiagnostic ValdenViewer::readData(const QString& hostPath)
{
    return ReadEigenData(hostPath, data);
}

void ValdenViewer::drawChart(DrawingSurface& surface)
{
    // The crossings are marked on the XY chart only.
    ChartMarkers markers;
    if (resultInputs.markers && ChartMode == XYChart)
        markers = CampbellMarkers(ComputeCampbellResults(data, resultInputs.orders), modeColours());
    DrawValdenChart(surface, settings, data, ShowCurve, ChartMode, markers);
}

bool ValdenViewer::setOption(const QString& name, const QStringList& values)
{
    if (name == QLatin1String("ChartMode") && values.size() == 1
        && (values[0] == QLatin1String("1") || values[0] == QLatin1String("2"))) {
        ChartMode = values[0].toInt();
        return true;
    }
    return name == QLatin1String("ShowCurve") && setFromOption(ShowCurve, values);
}

QStringList ValdenViewer::optionUsage() const
{
    return { QStringLiteral("ChartMode=1|2"), flagsUsage(QStringLiteral("ShowCurve"), kShowCurveCount) };
}

ResultRows ValdenViewer::results() const
{
    ResultRows rows = CampbellResultRows(ComputeCampbellResults(data, resultInputs.orders));
    SetRowColours(rows, QStringLiteral("mode"), modeColours());
    return rows;
}

// The XY chart colours the modes it draws in turn; the Gauss chart gives
// mode j the j-th curve colour whether or not it draws the others.
std::vector<std::optional<int>> ValdenViewer::modeColours() const
{
    if (ChartMode == XYChart)
        return DrawnCurveColours(data.N2, [this](int j) { return FrequencyCurveShown(ShowCurve, j) || DampingCurveShown(ShowCurve, j); });
    std::vector<std::optional<int>> colours;
    for (int j = 1; j <= data.N2; ++j)
        colours.push_back(GaussPathShown(ShowCurve, j) ? std::optional(Palette::curveColour(j - 1)) : std::nullopt);
    return colours;
}

ResultInputKinds ValdenViewer::resultInputKinds() const
{
    return ResultInput::Orders | ResultInput::Markers;
}

EditDialog* ValdenViewer::createEditDialog(QWidget* parent)
{
    if (ChartMode == XYChart)
        return new ValdenXYEditDialog(*this, parent);
    return new ValdenGaussEditDialog(*this, parent);
}

// "5: Default" restores the file this viewer reads, valdens\valdens.tmp,
// from valdens\valdens.org, or where an installation carries only the older
// valden\valden.org, from that. valden\valden.tmp is restored as well
// wherever its directory exists, for the installations that still read it.
QString ValdenViewer::restoreFactorySettings()
{
    const QString legacyFactory = HostPaths::resolve(kLegacyDirectory + kLegacyFactoryFile);
    const QString factory = QFileInfo::exists(factorySettingsPath()) || !QFileInfo::exists(legacyFactory)
        ? factorySettingsPath()
        : legacyFactory;
    if (QString error = CopySettingsFile(factory, workingSettingsPath()); !error.isEmpty())
        return error;
    const QString legacyDirectory = HostPaths::resolve(kLegacyDirectory);
    if (!QFileInfo(legacyDirectory).isDir())
        return {};
    return CopySettingsFile(factory, HostPaths::resolve(kLegacyDirectory + kLegacyWorkingFile));
}

} // namespace kavel
