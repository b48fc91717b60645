#include "support/chartops.h"
#include "eigentext.h"

#include "valden/chartpoints.h"
#include "valden/eigendata.h"
#include "valden/gausschart.h"
#include "valden/valdensettings.h"
#include "valden/valdenviewer.h"

#include "framework/chart/chartframe.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Real part -20 … 5 over 10 cm (0.4 cm per 1/s, sigma = 0 at x 12),
// imaginary part 0 … 100 rad/s over 10 cm (0.1 cm per rad/s).
ValdenSettings settings()
{
    ValdenSettings s;
    s.Xmin = 0, s.Xmax = 100, s.Ymin = 0, s.Ymax = 50;
    s.Xpitch = 50, s.Ypitch = 25, s.Xlength = 20, s.Ylength = 10;
    s.ReMin = -20, s.ReMax = 5, s.ImMin = 0, s.ImMax = 100;
    s.RePitch = 5, s.ImPitch = 50, s.ReLength = 10, s.ImLength = 10;
    s.FrameWidth = 3;
    s.CurveWidth = 2;
    s.GaussXTitle = QStringLiteral("Re");
    s.GaussYTitle = QStringLiteral("Im");
    s.GaussTitle = QStringLiteral("G");
    return s;
}

// Mode j at sigma = -j, omega = 10·j (+1 per step): paths inside the range.
EigenData modes(int count)
{
    std::vector<std::vector<std::pair<double, double>>> steps(2);
    for (int i = 0; i < 2; ++i) {
        for (int j = 1; j <= count; ++j)
            steps[std::size_t(i)].emplace_back(-double(j), 10.0 * j + i);
    }
    EigenData data;
    ReadEigenDataText(QStringLiteral("m"), eigenFile(QStringLiteral("comment"), { 0, 100 }, steps), data);
    return data;
}

OpList gaussFrame(const ValdenSettings& s)
{
    RecordingSurface surface;
    DrawGaussFrame(surface, s, *ChartGeometry::compute(s.reAxis(), s.imAxis(), { 4, 18 }));
    return surface.takeOps();
}

OpList chart(const ValdenSettings& s, const EigenData& data, const ShowCurveFlags& flags, SurfaceKind kind = SurfaceKind::Screen)
{
    RecordingSurface surface(kind);
    DrawValdenChart(surface, s, data, flags, ValdenViewer::GaussChart);
    return surface.takeOps();
}

// The paths: the lines after the Y title.
std::vector<Op::Line> paths(const OpList& ops)
{
    return all<Op::Line>(from(ops, QStringLiteral("Im")));
}

} // namespace

TEST(GaussFrame, TwoAxesWithArrowheadsCrossAtTheOrigin)
{
    const OpList ops = gaussFrame(settings());
    ASSERT_GE(ops.size(), 6u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Line { 4, 18, 16, 18, kBlack, 1 })) << "2 cm beyond the range";
    EXPECT_EQ(ops[1], SurfaceOp(Op::Line { 15.5f, 17.7f, 16, 18, kBlack, 1 }));
    EXPECT_EQ(ops[2], SurfaceOp(Op::Line { 15.5f, 18.3f, 16, 18, kBlack, 1 }));
    EXPECT_EQ(ops[3], SurfaceOp(Op::Line { 12, 18.5f, 12, 7, kBlack, 1 })) << "from below the range to 1 cm above it";
    EXPECT_EQ(ops[4], SurfaceOp(Op::Line { 11.8f, 7.5f, 12, 7, kBlack, 1 }));
    EXPECT_EQ(ops[5], SurfaceOp(Op::Line { 12.2f, 7.5f, 12, 7, kBlack, 1 }));
    EXPECT_TRUE(all<Op::Line>(OpList(ops.begin() + 6, ops.end())).size() == 7u + 3u) << "ticks only after the axes";
}

TEST(GaussFrame, RealTicksOnTheRangeBottomImaginaryTicksFromOnePitchUp)
{
    const OpList ops = gaussFrame(settings());
    EXPECT_EQ(textsOf(ops), (QStringList { " 0 ", " 5 ", " 0 ", "-5 ", "-10 ", "-15 ", "-20 ", " 50 ", " 100 ", " 0 " }));
    EXPECT_EQ(ops[6], SurfaceOp(Op::Line { 12, 18, 12, 17.5f, kBlack, 1 }));
    EXPECT_EQ(ops[7], SurfaceOp(Op::Point { 12, 18.2f, kGrey, 1 }));
    EXPECT_EQ(ops[9], SurfaceOp(Op::Line { 14, 18, 14, 17.5f, kBlack, 1 }));
    const OpList im = from(ops, QStringLiteral(" 50 "));
    const std::size_t at = ops.size() - im.size();
    EXPECT_EQ(ops[at - 2], SurfaceOp(Op::Line { 12, 13, 12.5f, 13, kBlack, 1 }));
    EXPECT_EQ(ops[at - 1], SurfaceOp(Op::Point { 10, 12.7f, kGrey, 1 }));

    // Below the real axis the range goes on: the real axis rises with
    // sigma = 0, the real ticks stay on the range's bottom line.
    ValdenSettings s = settings();
    s.ImMin = -50;
    s.ImLength = 15;
    const OpList lower = gaussFrame(s);
    EXPECT_EQ(lower[0], SurfaceOp(Op::Line { 4, 13, 16, 13, kBlack, 1 }));
    EXPECT_EQ(lower[3], SurfaceOp(Op::Line { 12, 18.5f, 12, 2, kBlack, 1 }));
    EXPECT_EQ(lower[6], SurfaceOp(Op::Line { 12, 18, 12, 17.5f, kBlack, 1 }));
    EXPECT_EQ(textsOf(lower).mid(7), (QStringList { " 50 ", " 100 ", " 0 ", "-50 " }));
}

TEST(GaussChart, TitlesAreHorizontalAtTheirAxes)
{
    const OpList ops = chart(settings(), modes(1), ShowCurveFlags::atStart());
    EXPECT_EQ(ops.front(), SurfaceOp(Op::Clear {}));
    const OpList titles = from(ops, QStringLiteral("G"));
    ASSERT_GE(titles.size(), 5u);
    EXPECT_EQ(titles[0], SurfaceOp(Op::Text { 4, 6, "G", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(titles[1], SurfaceOp(Op::Point { 17, 17.5f, kGrey, 1 })) << "right of the real arrowhead";
    EXPECT_EQ(std::get<Op::Text>(titles[2]).text, QStringLiteral("Re"));
    EXPECT_EQ(titles[3], SurfaceOp(Op::Point { 12, 6, kGrey, 1 })) << "above the imaginary arrowhead";
    EXPECT_EQ(titles[4], SurfaceOp(Op::Text { 12, 6, "Im", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(ops.back(), SurfaceOp(Op::Text { 5, 0, "comment", "Small Fonts", 7, 0, 0, kBlack }));
}

TEST(GaussChart, APathRunsThroughTheSpeedStepsAndItsColourFollowsTheModeNumber)
{
    ShowCurveFlags flags = ShowCurveFlags::atStart();
    flags[12] = 0;        // λ2
    flags[kAllGauss] = 0; // All
    const OpList ops = chart(settings(), modes(8), flags);
    const std::vector<Op::Line> lines = paths(ops);
    ASSERT_EQ(lines.size(), 4u) << "modes 1, 3, 4, 5: mode 2 cleared, 6 only through All, 7 and 8 beyond the table";
    EXPECT_EQ(lines[0], (Op::Line { 11.6f, 17, 11.6f, 16.9f, Palette::colour(0), 1 }));
    EXPECT_EQ(lines[1].rgb, (Rgb { 0, 128, 0 })) << "mode 3 green, as if mode 2 were drawn";
    EXPECT_FLOAT_EQ(lines[1].x1, 12 - 0.4 * 3);
    EXPECT_EQ(lines[2].rgb, Palette::colour(3));
    EXPECT_EQ(lines[3].rgb, Palette::colour(4));
    EXPECT_EQ(textsOf(ops).back(), QStringLiteral("comment"));

    flags[kAllGauss] = 1;
    const std::vector<Op::Line> every = paths(chart(settings(), modes(8), flags));
    ASSERT_EQ(every.size(), 8u);
    EXPECT_EQ(every[6].rgb, Palette::colour(6));
    EXPECT_EQ(every[7].rgb, (Rgb { 128, 128, 128 })) << "mode 8 skips the light grey";
}

TEST(GaussChart, PointsArePlacedBySigmaAndOmega)
{
    const ValdenSettings s = settings();
    GaussPoints p;
    ComputeGaussPoints(modes(2), *ChartGeometry::compute(s.reAxis(), s.imAxis(), { 4, 18 }), p);
    EXPECT_EQ(p.GaussX, (std::vector<float> { 11.6f, 11.2f, 11.6f, 11.2f }));
    EXPECT_EQ(p.GaussY, (std::vector<float> { 17, 16, 16.9f, 15.9f }));
}

TEST(GaussChart, PageHasAxesInFrameWidthPathsInCurveWidthAndEnds)
{
    const OpList ops = chart(settings(), modes(2), ShowCurveFlags::atStart(), SurfaceKind::Printer);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(std::get<Op::Line>(ops[std::size_t(k)]).width, 3) << k;
    EXPECT_EQ(std::get<Op::Line>(ops[6]).width, 1);
    const std::vector<Op::Line> lines = paths(ops);
    ASSERT_EQ(lines.size(), 2u);
    for (const Op::Line& line : lines)
        EXPECT_EQ(line.width, 2);
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
    EXPECT_EQ(std::get<Op::Text>(ops[ops.size() - 2]).text, QStringLiteral("comment"));
}

} // namespace kavel::test
