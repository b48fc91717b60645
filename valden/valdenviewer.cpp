#include "valdenviewer.h"

#include "campbellchart.h"
#include "gausschart.h"
#include "valdeneditdialogs.h"
#include "valdenresults.h"

#include "framework/host/hostpaths.h"

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

constinit const ChartPair<ValdenSettings, EigenData, ShowCurveFlags> DrawValdenChart { DrawXYChart, DrawGaussChart, 5 };

ValdenViewer::ValdenViewer()
    : Viewer({ .program = QStringLiteral("VALDEN"), .mainCaption = QStringLiteral("valden/D  Drawing"), .fileDialogCaption = QStringLiteral("valden/F File Open"),
          .editCaption = QStringLiteral("valden-XY  Editing"), .keys = numberKeys(KeyFive::RestoresDefaults), .defaultCaption = QStringLiteral("5: Default"), .settingsName = QStringLiteral("valdens") })
{
    bind(settings, data, ReadEigenData);
    // The dialog of the chart shown: "valden-XY  Editing" or
    // "valden-Gauss  Editing".
    opensDialog([this](QWidget* parent) -> EditDialog* {
        if (ChartMode == XYChart)
            return new ValdenXYEditDialog(*this, parent);
        return new ValdenGaussEditDialog(*this, parent);
    });
    takesResultInputs(ResultInput::Orders | ResultInput::Markers);
    options.choice(QStringLiteral("ChartMode"), ChartMode, { 1, 2 });
    options.flags(QStringLiteral("ShowCurve"), ShowCurve);
}

QString ValdenViewer::gaussEditCaption()
{
    return QStringLiteral("valden-Gauss  Editing");
}

void ValdenViewer::drawChart(DrawingSurface& surface)
{
    // The crossings are marked on the XY chart only.
    ChartMarkers markers;
    if (resultInputs.markers && ChartMode == XYChart)
        markers = CampbellMarkers(ComputeCampbellResults(data, resultInputs.orders), modeColours());
    DrawValdenChart(surface, settings, data, ShowCurve, ChartMode, markers);
}

ResultRows ValdenViewer::results() const
{
    return WithCurveColours(CampbellResultRows(ComputeCampbellResults(data, resultInputs.orders)), QStringLiteral("mode"), modeColours());
}

std::vector<std::optional<int>> ValdenViewer::modeColours() const
{
    return ChartMode == XYChart ? XYModeColours(data, ShowCurve) : GaussModeColours(data, ShowCurve);
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
