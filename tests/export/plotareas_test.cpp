// What every viewer's chart tells about its plot areas must be what it drew:
// each curve point, mapped by the area's axes, is where a drawn line ends.
// The readout, the zoom and the plotted data all rest on it.

#include "export/chartexport.h"
#include "export/viewerregistry.h"

#include "framework/surface/recordingsurface.h"
#include "framework/viewer.h"
#include "support/application.h"
#include "support/sampleviewer.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

class PlotAreas : public ::testing::TestWithParam<const char*> { };

bool endsALine(const OpList& ops, const QPointF& p)
{
    for (const Op::Line& l : [&] {
             std::vector<Op::Line> lines;
             for (const SurfaceOp& op : ops) {
                 if (const auto* line = std::get_if<Op::Line>(&op))
                     lines.push_back(*line);
             }
             return lines;
         }()) {
        for (const QPointF end : { QPointF(l.x1, l.y1), QPointF(l.x2, l.y2) }) {
            if (std::fabs(end.x() - p.x()) < 2e-3 && std::fabs(end.y() - p.y()) < 2e-3)
                return true;
        }
    }
    return false;
}

TEST_P(PlotAreas, EveryCurvePointIsWhereTheChartDrewIt)
{
    ensureApplication();
    // "viewer" or "viewer OPTION=VALUE" for the other chart of a viewer.
    const QStringList words = QString::fromLatin1(GetParam()).split(QLatin1Char(' '));
    std::unique_ptr<Viewer> viewer = ViewerRegistry::create(words[0]);
    ASSERT_NE(viewer, nullptr);
    loadSample(*viewer);
    if (words.size() > 1) {
        ASSERT_TRUE(viewer->setOption(words[1].section(QLatin1Char('='), 0, 0), { words[1].section(QLatin1Char('='), 1) }));
    }
    RecordingSurface chart(SurfaceKind::Screen);
    viewer->plot(chart);
    ASSERT_FALSE(chart.areas().empty());
    int checked = 0;
    for (const PlotArea& area : chart.areas()) {
        if (area.frame) {
            // Every framed area reads at its centre.
            EXPECT_TRUE(std::isfinite(area.valueAt(area.frame->center()).x()));
        }
        for (const PlotMarker& marker : area.markers) {
            EXPECT_TRUE(endsALine(chart.ops(), marker.chart)) << marker.label.toStdString();
            ++checked;
        }
        if (area.kind == PlotArea::Kind::Sketch)
            continue;
        for (const PlotCurve& curve : area.curves) {
            ASSERT_EQ(curve.x.size(), curve.y.size());
            // A handful of points spread over the curve.
            for (std::size_t i = 0; i < curve.x.size(); i += std::max<std::size_t>(1, curve.x.size() / 5)) {
                const QPointF p = area.chartPoint(curve, i);
                if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                    continue;
                EXPECT_TRUE(endsALine(chart.ops(), p)) << curve.name.toStdString() << " point " << i << " at " << p.x() << ", " << p.y();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(SuiteViewers, PlotAreas,
    ::testing::Values("savlen", "valden", "valden ChartMode=2", "mirnok", "mirno1", "holpix", "zeptal", "zeptal chartStyle=2", "wespar", "lendrix"));

} // namespace
} // namespace kavel::test
