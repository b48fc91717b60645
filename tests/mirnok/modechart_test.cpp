#include "mirnoktesting.h"

#include "mirnok/modechart.h"

#include "framework/models/rotormodel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kavel::test {
namespace {

SurfaceOp line(double x1, double y1, double x2, double y2, const Rgb& rgb = kBlack, int width = 1)
{
    return Op::Line { float(x1), float(y1), float(x2), float(y2), rgb, width };
}

SurfaceOp point(double x, double y, int width = 1)
{
    return Op::Point { float(x), float(y), kGrey, width };
}

SurfaceOp text(double x, double y, const QString& t, const QString& font = QStringLiteral("times new roman"), double size = 8)
{
    return Op::Text { float(x), float(y), t, font, size, 0, 0, kBlack };
}

// A value of the vertical scale: it ends at its point, left of the axis.
SurfaceOp scaleValue(double x, double y, const QString& t)
{
    Op::Text op = std::get<Op::Text>(text(x, y, t));
    op.anchor = TextAnchor::TopRight;
    return op;
}

RotorModel outlineOf(const QString& records, int elements)
{
    return readText<RotorModel>(ReadRotorModelText, QStringLiteral("h\r\nc\r\n %1\r\n").arg(elements) + records);
}

// A small sketch with round numbers: the shaft 0..100 mm over 10 cm, the
// deflection box 0..2 mm over 4 cm (2 cm a millimetre), in the corner layout.
MirnokSettings flatSettings()
{
    MirnokSettings s;
    s.zMin = 0;
    s.zMax = 100;
    s.zPitch = 50;
    s.zChart = 10;
    s.viewAngle = 0;
    s.xyMin = 0;
    s.xyMax = 2;
    s.xyPitch = 1;
    s.xyChart = 4;
    s.FrameWidth = 3;
    s.zTitle = QStringLiteral("Z");
    s.xTitle = QStringLiteral("X");
    s.yTitle = QStringLiteral("Y");
    s.chartTitle = QStringLiteral("T");
    s.animStep = 10;
    return s;
}

struct Chart {
    MirnokSettings settings = flatSettings();
    ComplexModeShapes shapes;
    RotorModel outline;
    ModeShown shown = ModeShown::atStart();
    ModeChartOutcome outcome;

    OpList draw(SurfaceKind kind = SurfaceKind::Screen, float phi = 0, ModeLegend legend = ModeLegend::Shown)
    {
        RecordingSurface surface(kind);
        outcome = DrawModeChart(surface, ModeChartInput { settings, shapes, outline, shown }, phi, legend);
        return surface.takeOps();
    }
};

// `count` modes of two stations, each with the given direction sign.
std::vector<Mode> plainModes(int count, double direction = 1)
{
    std::vector<Mode> modes;
    for (int i = 1; i <= count; ++i)
        modes.push_back(Mode { { 0.1, 0, 0.1, 0 }, { 0.1 * i, 0, 0.1 * i, 0 }, { 50, 0, direction, -double(i), 10.0 * i } });
    return modes;
}

// The mode lines of a chart without outline: all lines after the outline's
// centre line, the first dark-blue one.
std::vector<Op::Line> modeLines(const OpList& ops)
{
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    const auto centre = std::find_if(lines.begin(), lines.end(), [](const Op::Line& l) { return l.rgb == kDarkBlue; });
    return centre == lines.end() ? std::vector<Op::Line>() : std::vector<Op::Line>(centre + 1, lines.end());
}

TEST(ModeChart, TheFlatSketchOnTheScreenExactly)
{
    Chart chart;
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 },
        { Mode { { 0.3, 10, 0.3, 10 }, { 0.5, 0, 1, 60 }, { 50, 0, 1, -2.5, 60.25 } } }));
    chart.outline = outlineOf(QStringLiteral(" 1 0 0 0\r\n 1 0 50 0\r\n 1 100 50 0\r\n 1 100 0 0\r\n"), 1);

    const OpList expected {
        Op::Clear {},
        // The two deflection axes from the box corner (3, 23), the shaft axis.
        line(3, 23, 7, 23),
        line(3, 23, 3, 19),
        line(3, 23, 13, 23),
        // Vertical divisions only: a flat sketch has no horizontal deflection.
        // Each value ends just left of the axis.
        line(3, 23, 3.5, 23), point(3 - 0.1, 23 - 0.3), scaleValue(3 - 0.1, 23 - 0.3, QStringLiteral(" 0 ")),
        line(3, 21, 3.5, 21), point(3 - 0.1, 21 - 0.3), scaleValue(3 - 0.1, 21 - 0.3, QStringLiteral(" 1 ")),
        line(3, 19, 3.5, 19), point(3 - 0.1, 19 - 0.3), scaleValue(3 - 0.1, 19 - 0.3, QStringLiteral(" 2 ")),
        // Shaft divisions: crosses every 5 cm, the value at the end of the bar.
        line(3, 23.5, 3, 22.5), line(2.5, 23, 3.5, 23), text(3.5, 23, QStringLiteral(" 0 ")),
        line(8, 23.5, 8, 22.5), line(7.5, 23, 8.5, 23), text(8.5, 23, QStringLiteral(" 50 ")),
        line(13, 23.5, 13, 22.5), line(12.5, 23, 13.5, 23), text(13.5, 23, QStringLiteral(" 100 ")),
        // Titles: the chart's above the box, the shaft's below its middle,
        // the vertical one upward at x 0.5.
        point(8, 17), text(8, 17, QStringLiteral("T")),
        point(8, 24.5), text(8, 24.5, QStringLiteral("Z")),
        point(0.5, 23), Op::Text { 0.5f, 23.f, QStringLiteral("Y"), QStringLiteral("Century"), 0, 90, 15, kBlack },
        // The outline 12 cm below, radius 25 mm at 2 cm a millimetre / 100.
        line(3, 35, 3, 34.5, kDarkBlue), line(3, 34.5, 13, 34.5, kDarkBlue), line(13, 34.5, 13, 35, kDarkBlue),
        line(3, 35, 13, 35, kDarkBlue),
        // The mode: vertical deflection 2·0.5·cos 0 = 1 and 2·1·cos 60° = 1.
        line(3, 22, 13, 22, kBlack),
        // The legend right of the shaft's end.
        point(14, 18), text(14, 18, QStringLiteral("Speed= 10  Hz")),
        point(14, 20), text(14, 20, QStringLiteral("No.1   -2.5 +j 60.25  Hz")),
        point(3, 0), text(3, 0, QStringLiteral("c"), QStringLiteral("small fonts"), 7),
    };
    const OpList ops = chart.draw();
    EXPECT_TRUE(chart.outcome.complete()) << chart.outcome.failure.toStdString();
    ASSERT_EQ(ops.size(), expected.size());
    for (std::size_t k = 0; k < ops.size(); ++k)
        EXPECT_EQ(ops[k], expected[k]) << "operation " << k;
}

TEST(ModeChart, ThePageDrawsTheAxesInFrameWidthWithoutLegendOrRotation)
{
    Chart chart;
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 }, plainModes(1)));
    const OpList ops = chart.draw(SurfaceKind::Printer, 0, ModeLegend::Hidden);
    EXPECT_FALSE(std::holds_alternative<Op::Clear>(ops.front()));
    // Everything of the axes and titles in width 3, from the outline on width 1.
    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    const auto outlineStart = std::find_if(lines.begin(), lines.end(), [](const Op::Line& l) { return l.rgb == kDarkBlue; });
    ASSERT_NE(outlineStart, lines.end());
    EXPECT_EQ(lines.front(), std::get<Op::Line>(line(3, 23, 7, 23, kBlack, 3)));
    for (auto l = lines.begin(); l != lines.end(); ++l)
        EXPECT_EQ(l->width, l < outlineStart ? 3 : 1) << "line " << (l - lines.begin());
    EXPECT_EQ(modeLines(ops).size(), 1u);
    EXPECT_EQ(all<Op::Point>(ops).front().width, 3);
    // The vertical title in the page's own font, upright.
    const std::vector<Op::Text> texts = all<Op::Text>(ops);
    const auto y = std::find_if(texts.begin(), texts.end(), [](const Op::Text& t) { return t.text == QLatin1String("Y"); });
    ASSERT_NE(y, texts.end());
    EXPECT_EQ(*y, std::get<Op::Text>(text(0.5, 23, QStringLiteral("Y"))));
    EXPECT_FALSE(textsOf(ops).join(QLatin1Char('|')).contains(QStringLiteral("Speed=")));
    EXPECT_EQ(texts.back().text, QStringLiteral("c"));
}

TEST(ModeChart, ProjectionForPositiveNegativeFlatAndUprightAngles)
{
    MirnokSettings s = flatSettings();
    s.zMin = 100;
    s.zMax = 1100;
    s.xyMin = -1;
    s.xyMax = 3;
    s.xyChart = 8;

    struct Case {
        double angle, yOrg, zeroY, axisRun, axisRise, shaftX0, shaftY0, station600X, station600Y;
    };
    const double c30 = std::sqrt(3.0) / 2;
    const Case cases[] = {
        { 30, 23, 21, 10 * c30, 5, 5 - c30, 21.5, 5 + 5 * c30, 18.5 },
        { -30, 15, 13, 10 * c30, -5, 5 - c30, 12.5, 5 + 5 * c30, 15.5 },
        { 0, 23, 21, 10, 0, 4, 21, 10, 21 },
        { 90, 23, 21, 0, 10, 5, 22, 5, 16 },
        { -90, 15, 13, 0, -10, 5, 12, 5, 18 },
    };
    for (const Case& c : cases) {
        s.viewAngle = c.angle;
        const std::optional<ModeProjection> p = ModeProjection::compute(s);
        ASSERT_TRUE(p) << c.angle;
        EXPECT_EQ(p->xOrg, 3) << c.angle;
        EXPECT_EQ(p->yOrg, c.yOrg) << c.angle;
        EXPECT_DOUBLE_EQ(p->zScale, 0.01) << c.angle;
        EXPECT_DOUBLE_EQ(p->xyScale, 2) << c.angle;
        EXPECT_DOUBLE_EQ(p->zeroX, 5) << c.angle;
        EXPECT_DOUBLE_EQ(p->zeroY, c.zeroY) << c.angle;
        EXPECT_DOUBLE_EQ(p->boxCenterX, 7) << c.angle;
        EXPECT_DOUBLE_EQ(p->boxCenterY, c.yOrg - 4) << c.angle;
        EXPECT_NEAR(p->axisRun, c.axisRun, 1e-7) << c.angle;
        EXPECT_NEAR(p->axisRise, c.axisRise, 1e-7) << c.angle;
        EXPECT_NEAR(p->shaftX0, c.shaftX0, 1e-7) << c.angle;
        EXPECT_NEAR(p->shaftY0, c.shaftY0, 1e-7) << c.angle;
        EXPECT_NEAR(p->stationX(600), c.station600X, 1e-7) << c.angle;
        EXPECT_NEAR(p->stationY(600), c.station600Y, 1e-7) << c.angle;
        // The station at zMin lies where the shaft axis starts.
        EXPECT_NEAR(p->stationX(100), p->zeroX, 1e-9) << c.angle;
        EXPECT_NEAR(p->stationY(100), p->zeroY, 1e-9) << c.angle;
    }

    s.zMax = s.zMin;
    EXPECT_FALSE(ModeProjection::compute(s));
    s.zMax = 1100;
    s.xyMax = s.xyMin;
    EXPECT_FALSE(ModeProjection::compute(s));
}

TEST(ModeChart, TheCrossingLayoutLeavesOutTheAxisItCannotShow)
{
    Chart chart;
    chart.settings.xyMin = -1;
    chart.settings.xyMax = 1;
    chart.settings.xyChart = 4; // zeroX 5, zeroY yOrg − 2
    auto firstLines = [&](double angle) {
        chart.settings.viewAngle = angle;
        const std::vector<Op::Line> lines = all<Op::Line>(chart.draw());
        return std::vector<Op::Line>(lines.begin(), lines.begin() + 3);
    };
    const auto l = [](double x1, double y1, double x2, double y2) { return std::get<Op::Line>(line(x1, y1, x2, y2)); };

    const auto oblique = firstLines(30);
    EXPECT_EQ(oblique[0], l(3, 21, 7, 21));
    EXPECT_EQ(oblique[1], l(5, 23, 5, 19));
    EXPECT_EQ(oblique[2].x1, 5.f);
    EXPECT_EQ(oblique[2].y1, 21.f);

    // Flat: no horizontal axis, and no horizontal divisions after it.
    const auto flat = firstLines(0);
    EXPECT_EQ(flat[0], l(5, 23, 5, 19));
    EXPECT_EQ(flat[1], l(5, 21, 15, 21));
    EXPECT_EQ(flat[2], l(5, 23, 5.5, 23));

    // Upright: no vertical axis.
    const auto upright = firstLines(-90);
    EXPECT_EQ(upright[0], l(3, 13, 7, 13));
    EXPECT_EQ(upright[1].x1, 5.f);
    EXPECT_EQ(upright[1].y1, 13.f);
    EXPECT_EQ(upright[2], l(3, 13, 3, 12.5));
}

TEST(ModeChart, DivisionsRunFromTheLowerEndsInPitchSteps)
{
    Chart chart;
    chart.settings.viewAngle = 30;
    chart.settings.xyMin = -0.5;
    chart.settings.xyMax = 1;
    chart.settings.xyPitch = 0.5;
    chart.settings.zMin = 20;
    chart.settings.zMax = 120;
    chart.settings.zPitch = 40;
    QStringList numbers;
    for (const QString& t : textsOf(chart.draw())) {
        if (t.endsWith(QLatin1Char(' ')))
            numbers << t;
    }
    // Each deflection value is printed twice, on the horizontal and the
    // vertical axis; the last pitch of the shaft does not reach 120.
    EXPECT_EQ(numbers, (QStringList { "-.5 ", "-.5 ", " 0 ", " 0 ", " .5 ", " .5 ", " 1 ", " 1 ", " 20 ", " 60 ", " 100 " }));
}

TEST(ModeChart, NegativeValuesOfTheVerticalScaleEndLeftOfTheAxis)
{
    // Crossing layout: the vertical axis at zeroX = 3 + 2.5 × 1.6 = 7 runs
    // from y 23 up to 15, a value every 0.5 mm (0.8 cm).
    Chart chart;
    chart.settings.viewAngle = 30;
    chart.settings.xyMin = -2.5;
    chart.settings.xyMax = 2.5;
    chart.settings.xyPitch = 0.5;
    chart.settings.xyChart = 8;
    const OpList ops = chart.draw();
    ASSERT_TRUE(std::find(ops.begin(), ops.end(), line(7, 23, 7, 15)) != ops.end());

    std::vector<Op::Text> scale;
    for (const Op::Text& t : all<Op::Text>(ops)) {
        if (t.anchor == TextAnchor::TopRight)
            scale.push_back(t);
    }
    const QStringList values { "-2.5 ", "-2 ", "-1.5 ", "-1 ", "-.5 ", " 0 ", " .5 ", " 1 ", " 1.5 ", " 2 ", " 2.5 " };
    ASSERT_EQ(scale.size(), std::size_t(values.size()));
    for (std::size_t n = 0; n < scale.size(); ++n) {
        EXPECT_EQ(scale[n].text, values[qsizetype(n)]) << n;
        EXPECT_EQ(scale[n].x, float(7 - 0.1)) << n;
        EXPECT_EQ(scale[n].y, float(23 - 0.8 * double(n) - 0.3)) << n;
    }
    // The horizontal scale still starts at its ticks.
    EXPECT_EQ(all<Op::Text>(ops).front(), std::get<Op::Text>(text(3, 23 - 4 - 0.2, QStringLiteral("-2.5 "))));
}

TEST(ModeChart, TitlesStandWhereTheViewAngleCallsForThem)
{
    Chart chart; // zeroX 3, zeroY = yOrg, axis 10 cm
    auto at = [&](double angle, const QString& title) -> std::optional<QPointF> {
        chart.settings.viewAngle = angle;
        for (const Op::Text& t : all<Op::Text>(chart.draw())) {
            if (t.text == title)
                return QPointF(t.x, t.y);
        }
        return std::nullopt;
    };
    const double c30 = std::sqrt(3.0) / 2;
    auto near = [](std::optional<QPointF> p, double x, double y) {
        return p && std::fabs(p->x() - x) < 1e-5 && std::fabs(p->y() - y) < 1e-5;
    };

    EXPECT_TRUE(near(at(0, QStringLiteral("Z")), 8, 24.5));
    EXPECT_FALSE(at(0, QStringLiteral("X")));
    EXPECT_TRUE(near(at(30, QStringLiteral("X")), 5, 24.5));
    EXPECT_TRUE(near(at(30, QStringLiteral("Z")), 3 + 10 * c30, 23 - 5 - 1.5));
    EXPECT_TRUE(near(at(-30, QStringLiteral("Z")), 3 + 10 * c30, 15 + 5 + 1.5));
    EXPECT_TRUE(near(at(30, QStringLiteral("Y")), 0.5, 21 + 2));
    // Upright: the shaft title goes up the left edge, beside the shaft's middle.
    EXPECT_TRUE(near(at(90, QStringLiteral("Z")), 0.5, 23 - 5));
    EXPECT_FALSE(at(90, QStringLiteral("Y")));
    EXPECT_TRUE(near(at(-90, QStringLiteral("X")), 5, 16.5));

    // The chart title stands over the box (4 cm high), or over the shaft's
    // end when the shaft rises higher (10 cm at 30° rise 5).
    const double c20 = std::cos(20 * M_PI / 180);
    EXPECT_TRUE(near(at(20, QStringLiteral("T")), 3 + 5 * c20, 23 - 4 - 2));
    EXPECT_TRUE(near(at(30, QStringLiteral("T")), 3 + 5 * c30, 23 - 5 - 2));
}

TEST(ModeChart, FlatAndUprightSketchesDropOneDeflection)
{
    Chart chart;
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 },
        { Mode { { 1, 0, 1, 0 }, { 0.5, 0, 0.5, 0 }, { 50, 0, 1, -1, 10 } } }));
    chart.settings.xyMin = -1;
    chart.settings.xyMax = 1;

    chart.settings.viewAngle = 0; // only the vertical deflection: 2·0.5 = 1 cm up
    auto modes = modeLines(chart.draw());
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_EQ(modes[0], std::get<Op::Line>(line(5, 20, 15, 20)));

    chart.settings.viewAngle = 90; // only the horizontal deflection: 2 cm right
    modes = modeLines(chart.draw());
    ASSERT_EQ(modes.size(), 1u);
    const std::optional<ModeProjection> p = ModeProjection::compute(chart.settings);
    EXPECT_FLOAT_EQ(modes[0].x1, float(p->stationX(0) + 2));
    EXPECT_FLOAT_EQ(modes[0].y1, float(p->stationY(0)));
    EXPECT_FLOAT_EQ(modes[0].y2, float(p->stationY(100)));
}

TEST(ModeChart, ShownModesTakeThePaletteInTurnAndHiddenOnesDoNotAdvanceIt)
{
    Chart chart;
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 }, plainModes(15)));
    auto colours = [&] {
        std::vector<Rgb> out;
        for (const Op::Line& l : modeLines(chart.draw()))
            out.push_back(l.rgb);
        return out;
    };
    std::vector<Rgb> expected;
    for (int c : { 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 0 })
        expected.push_back(Palette::colour(c));
    EXPECT_EQ(colours(), expected);

    chart.shown = ModeShown {};
    chart.shown[1] = 1;
    chart.shown[3] = 1;
    chart.shown[11] = 1;
    const std::vector<Op::Line> lines = modeLines(chart.draw());
    ASSERT_EQ(lines.size(), 3u);
    // Modes 2, 4 and 12, each lifted by its own amplitude, in colours 0, 1, 2.
    EXPECT_EQ(lines[0].rgb, Palette::colour(0));
    EXPECT_EQ(lines[1].rgb, Palette::colour(1));
    EXPECT_EQ(lines[2].rgb, Palette::colour(2));
    EXPECT_FLOAT_EQ(lines[0].y1, 23 - 2 * 0.2f);
    EXPECT_FLOAT_EQ(lines[1].y1, 23 - 2 * 0.4f);
    EXPECT_FLOAT_EQ(lines[2].y1, float(23 - 2 * 1.2));
}

TEST(ModeChart, ModesBeyondThirteenAreDrawnThroughAllAndTheLegendStays)
{
    Chart chart;
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 }, plainModes(14)));
    OpList ops = chart.draw();
    EXPECT_TRUE(chart.outcome.complete());
    EXPECT_EQ(modeLines(ops).size(), 14u);
    QStringList texts = textsOf(ops);
    EXPECT_TRUE(texts.contains(QStringLiteral("No.14   -14 +j 140  Hz")));
    EXPECT_EQ(texts.back(), QStringLiteral("c"));

    // Without "All" only the twelve flags can show modes: 13 and 14 stay out
    // of the sketch, never out of the legend.
    chart.shown = ModeShown {};
    for (int k = 0; k < 12; ++k)
        chart.shown[std::size_t(k)] = 1;
    ops = chart.draw();
    EXPECT_EQ(modeLines(ops).size(), 12u);
    texts = textsOf(ops);
    EXPECT_TRUE(texts.contains(QStringLiteral("No.13   -13 +j 130  Hz")));
    EXPECT_TRUE(texts.contains(QStringLiteral("No.14   -14 +j 140  Hz")));

    // No box checked: no mode drawn, every mode listed.
    chart.shown = ModeShown {};
    ops = chart.draw();
    EXPECT_TRUE(modeLines(ops).empty());
    EXPECT_EQ(textsOf(ops).filter(QStringLiteral("No.")).size(), 14);
}

TEST(ModeChart, LegendNumbersAreSinglesInTheirShortestForm)
{
    Chart chart;
    chart.settings.animStep = 12.300000190734863; // a single 12.3 taken as a double
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0 },
        { Mode { { 0, 0 }, { 0, 0 }, { 12.3, 0, 1, 0.5, 12.3 } }, Mode { { 0, 0 }, { 0, 0 }, { 1, 0, -1, -0.0625, 1234567.8 } } }));
    const QStringList legend = textsOf(from(chart.draw(), QStringLiteral("Speed= 12.3  Hz")));
    ASSERT_GE(legend.size(), 3);
    EXPECT_EQ(legend[0], QStringLiteral("Speed= 12.3  Hz"));
    EXPECT_EQ(legend[1], QStringLiteral("No.1   0.5 +j 12.3  Hz"));
    EXPECT_EQ(legend[2], QStringLiteral("No.2   -0.0625 +j 1234568  Hz"));
}

TEST(ModeChart, ThePhaseTurnsEachModeByTheSignOfItsDirection)
{
    Chart chart;
    chart.settings.viewAngle = 30;
    chart.settings.xyMin = -1;
    chart.settings.xyMax = 1; // xyScale 2
    // Horizontal amplitude 1 at phase 30° in three modes turning +, −, not at all.
    auto mode = [](double direction) { return Mode { { 1, 30, 1, 30 }, { 0, 0, 0, 0 }, { 50, 0, direction, -1, 10 } }; };
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 }, { mode(2.5), mode(-0.5), mode(0) }));
    const std::optional<ModeProjection> p = ModeProjection::compute(chart.settings);
    const float x0 = float(p->stationX(0));

    auto offsets = [&](float phi) {
        std::vector<double> dx;
        for (const Op::Line& l : modeLines(chart.draw(SurfaceKind::Screen, phi, ModeLegend::Hidden)))
            dx.push_back(double(l.x1 - x0));
        return dx;
    };
    const std::vector<double> at0 = offsets(0);
    ASSERT_EQ(at0.size(), 3u);
    for (double dx : at0)
        EXPECT_NEAR(dx, 2 * std::cos(M_PI / 6), 1e-5);
    const std::vector<double> at30 = offsets(30);
    EXPECT_NEAR(at30[0], 2 * std::cos(M_PI / 3), 1e-5); // forwards: 60°
    EXPECT_NEAR(at30[1], 2, 1e-5);                      // backwards: 0°
    EXPECT_NEAR(at30[2], 2 * std::cos(M_PI / 6), 1e-5); // frozen
    const std::vector<double> at120 = offsets(120);
    EXPECT_NEAR(at120[0], 2 * std::cos(5 * M_PI / 6), 1e-5);
    EXPECT_NEAR(at120[1], 2 * std::cos(-M_PI / 2), 1e-5);
    EXPECT_NEAR(at120[2], at0[2], 1e-6);
}

TEST(ModeChart, AZeroRangeStopsTheDrawingButNeverTheComment)
{
    Chart chart;
    chart.shapes = shapesOf(resultText(QStringLiteral("c"), { 0, 100 }, plainModes(2)));
    chart.settings.zMax = chart.settings.zMin;
    OpList ops = chart.draw();
    EXPECT_FALSE(chart.outcome.complete());
    EXPECT_TRUE(chart.outcome.failure.contains(QStringLiteral("zMax")));
    const OpList onlyComment { Op::Clear {}, point(3, 0), text(3, 0, QStringLiteral("c"), QStringLiteral("small fonts"), 7) };
    EXPECT_EQ(ops, onlyComment);

    chart.settings = flatSettings();
    chart.settings.xyMax = chart.settings.xyMin;
    EXPECT_EQ(chart.draw(), onlyComment);
    EXPECT_TRUE(chart.outcome.failure.contains(QStringLiteral("xyMax")));

    // zMax 0 fails first at the outline: axes and titles stay, the modes
    // and the legend do not come.
    chart.settings = flatSettings();
    chart.settings.zMin = -100;
    chart.settings.zMax = 0;
    chart.outline = outlineOf(QStringLiteral(" 1 0 0 0\r\n 1 0 50 0\r\n 1 100 50 0\r\n 1 100 0 0\r\n"), 1);
    ops = chart.draw();
    EXPECT_FALSE(chart.outcome.complete());
    EXPECT_TRUE(linesIn(ops, kDarkBlue).empty());
    EXPECT_TRUE(textsOf(ops).contains(QStringLiteral("T")));
    EXPECT_TRUE(textsOf(ops).filter(QStringLiteral("Speed=")).isEmpty());
    EXPECT_EQ(textsOf(ops).back(), QStringLiteral("c"));
}

// Counts the lines a drawing makes without keeping them.
class CountingSurface final : public DrawingSurface {
public:
    CountingSurface()
        : DrawingSurface(SurfaceKind::Screen)
    {
    }
    long long lines = 0;

protected:
    void paint(const SurfaceOp& op) override { lines += std::holds_alternative<Op::Line>(op) ? 1 : 0; }
};

TEST(ModeChart, ResultsTooLargeForAFrameStopAtTheSegmentBudget)
{
    // 40 modes of 32767 stations in 120 empty lines.
    QString text = QStringLiteral("h\r\nc\r\n 32767 40\r\n\r\n");
    for (int k = 0; k < 120; ++k)
        text += QStringLiteral("\r\n");
    MirnokSettings settings = flatSettings();
    const ComplexModeShapes shapes = shapesOf(text);
    ASSERT_EQ(shapes.N2(), 40);
    const RotorModel outline;
    const ModeShown shown = ModeShown::atStart();
    CountingSurface surface;
    const ModeChartOutcome outcome = DrawModeChart(surface, ModeChartInput { settings, shapes, outline, shown }, 0, ModeLegend::Shown);
    EXPECT_FALSE(outcome.complete());
    EXPECT_TRUE(outcome.failure.contains(QStringLiteral("mode 33")));
    EXPECT_LE(surface.lines, kMaxSketchSegments + 100);
}

} // namespace
} // namespace kavel::test
