#include "export/chartexport.h"
#include "export/viewerregistry.h"
#include "support/files.h"
#include "holpix/holpixviewer.h"

#include "framework/output/render.h"
#include "framework/surface/recordingsurface.h"
#include "support/application.h"
#include "support/sampleviewer.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

TEST(HolpixViewer, JoinsTheChartExportWithItsTwoOptions)
{
    std::unique_ptr<Viewer> created = ViewerRegistry::create(QStringLiteral("holpix"));
    ASSERT_NE(created, nullptr);
    auto& viewer = static_cast<HolpixViewer&>(*created);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("curveFlags"), optionValues("1,0,0,0,0,0,0,0,0,0,0,0,0,1")));
    MapCurveFlags expected {};
    expected[0] = expected[13] = 1;
    EXPECT_EQ(viewer.curveFlags, expected);
    EXPECT_TRUE(viewer.setOption(QStringLiteral("axisOptions"), optionValues("1,0,0,1")));
    EXPECT_EQ(viewer.axisOptions, (AxisOptions { 0, 1, 0, 0, 1 }));

    // Wrong counts, values other than 0 and 1, and both or neither button of
    // an axis change nothing.
    HolpixViewer fresh;
    EXPECT_TRUE(refuses(fresh, QStringLiteral("curveFlags"), { "1,0,0,0,0,0,0,0,0,0,0,0,0", "2,0,0,0,0,0,0,0,0,0,0,0,0,0" }));
    EXPECT_TRUE(refuses(fresh, QStringLiteral("axisOptions"), { "1,1,0,1", "0,0,1,0", "1,0,1", "x,0,1,0" }));
    EXPECT_EQ(fresh.curveFlags, MapCurveFlags::atStart());
    EXPECT_EQ(fresh.axisOptions, InitialAxisOptions());
}

// Below the sample's fifth critical speed (up to 1781 Hz) a frequency range
// that ends at 1500 Hz: the curve is cut at the frame's top edge, on the
// screen and on paper alike, and its lines are recorded as drawn, between a
// clip to the frame and its end.
TEST(HolpixViewer, ACurveRunningOutOfItsFrameIsCutAtTheFrame)
{
    ensureApplication();
    const auto viewer = sampleViewer<HolpixViewer>();
    viewer->settings.Y.max = 1500;
    const QRectF frame(4, 18 - viewer->settings.Y.length, viewer->settings.X.length, viewer->settings.Y.length);
    for (const SurfaceKind kind : { SurfaceKind::Screen, SurfaceKind::Printer }) {
        RecordingSurface chart(kind);
        viewer->drawChart(chart);
        const OpList& ops = chart.ops();
        const auto clip = std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) { return std::holds_alternative<Op::Clip>(op); });
        ASSERT_NE(clip, ops.end());
        const auto& c = std::get<Op::Clip>(*clip);
        EXPECT_EQ(QRectF(c.x, c.y, c.w, c.h), frame);

        // Mode 5 is dark red (palette 4); 20 pixels a centimetre.
        const Rgb mode5 = Palette::colour(4);
        auto redOutside = [&](const OpList& drawn) {
            QImage image(QSize(600, 440), QImage::Format_RGB32);
            image.fill(Qt::white);
            DeviceMapping mapping = DeviceMapping::page(20 * 2.54, kind);
            mapping.thinnestLine = 1;
            render(image, drawn, { mapping });
            int inside = 0, outside = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) != qRgb(mode5.r, mode5.g, mode5.b))
                        continue;
                    (frame.adjusted(-0.1, -0.1, 0.1, 0.1).contains(QPointF(x / 20.0, y / 20.0)) ? inside : outside)++;
                }
            }
            return std::make_pair(inside, outside);
        };
        const auto [inside, outside] = redOutside(ops);
        EXPECT_GT(inside, 0);
        EXPECT_EQ(outside, 0);
        OpList unclipped;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(unclipped),
            [](const SurfaceOp& op) { return !std::holds_alternative<Op::Clip>(op) && !std::holds_alternative<Op::Unclip>(op); });
        EXPECT_GT(redOutside(unclipped).second, 0) << "the sample no longer runs out of its frame";
    }
}

// kavel-export holpix -o map.csv: stiffness, then each critical speed curve
// drawn (all five at start), every number reading back to the single read.
TEST(HolpixViewer, TheExportedDataAreTheMapAsRead)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ExportRequest request;
    request.viewer = QStringLiteral("holpix");
    request.root = QStringLiteral(KAVEL_SAMPLE_ROOT);
    request.outputs = { { out.filePath(QStringLiteral("map.csv")), ChartOutput::Format::Csv } };
    ASSERT_EQ(runExport(request).status, ExportSucceeded);
    const auto viewer = sampleViewer<HolpixViewer>();

    const QStringList lines = QString::fromUtf8(fileBytes(request.outputs.front().path).mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + viewer->map.pointCount);
    QStringList header { viewer->settings.XTitle };
    for (int j = 1; j <= 5; ++j)
        header << QStringLiteral("mode %1 critical speed %2").arg(j).arg(viewer->settings.YTitle);
    EXPECT_EQ(lines[0].split(QLatin1Char(',')), header);
    for (int i = 1; i <= viewer->map.pointCount; ++i) {
        const QStringList cells = lines[i].split(QLatin1Char(','));
        ASSERT_EQ(cells.size(), 6);
        EXPECT_EQ(cells[0].toFloat(), viewer->map.stiffness[std::size_t(i)]) << i;
        for (int j = 1; j <= 5; ++j)
            EXPECT_EQ(cells[j].toFloat(), viewer->map.frequency(i, j, CriticalSpeedKind)) << i << " " << j;
    }
}

} // namespace
} // namespace kavel::test
