#include "lendrixtext.h"

#include "lendrix/lendrixsettings.h"
#include "lendrix/modelchart.h"

#include "support/chartops.h"
#include "support/framedsettings.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Frame x 4..19 over 0..300 mm, y 8..18 over -5..5: a station at x mm sits
// at 4 + x / 20, a table value v at 13 - v.
LendrixSettings settings()
{
    return framedSettings<LendrixSettings>({ 0, 300, 100, 15 }, { -5, 5, 1, 10 }, QStringLiteral("XT"), QStringLiteral("YT"), QStringLiteral("TT"));
}

LendrixModeFlags onlyAll()
{
    LendrixModeFlags f {};
    f[kLendrixAll] = 1;
    return f;
}

OpList draw(SurfaceKind kind, const LendrixModel& m, const LendrixModeFlags& flags, const LendrixSettings& s = settings())
{
    RecordingSurface surface(kind);
    DrawModelChart(surface, s, m, flags);
    return surface.takeOps();
}

// The polyline of one column over the four stations.
std::vector<Op::Line> column(const std::array<float, 4>& values, int colour)
{
    std::vector<Op::Line> out;
    for (int i = 1; i < 4; ++i)
        out.push_back(lineOf(4 + 5 * float(i - 1), 13 - values[std::size_t(i - 1)], 4 + 5 * float(i), 13 - values[std::size_t(i)], colour));
    return out;
}

void append(std::vector<Op::Line>& to, const std::vector<Op::Line>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

// The lines drawn after the rotated Y title and before the legend: the rotor
// sketch, then the columns.
std::vector<Op::Line> sketchAndColumns(const OpList& ops)
{
    OpList rest = from(ops, QStringLiteral("YT"));
    const auto legend = std::find_if(rest.begin(), rest.end(), [](const SurfaceOp& op) {
        const auto* t = std::get_if<Op::Text>(&op);
        return t && t->text.startsWith(QLatin1String("No."));
    });
    return all<Op::Line>(OpList(rest.begin(), legend));
}

std::vector<Op::Line> rotorSketch(int width)
{
    // Radius 30 mm at 1/200 of the Y scale: 0.15 cm above the frame's top at 8.
    return { lineOf(4, 8, 4, 7.85f, 1, width), lineOf(4, 7.85f, 9, 7.85f, 1, width), lineOf(9, 7.85f, 9, 8, 1, width) };
}

TEST(ModelChart, AllDrawsTheSketchThenEveryColumnInPaletteOrder)
{
    std::vector<Op::Line> expected = rotorSketch(1);
    append(expected, column({ 1, 2, 3, 4 }, 0));
    append(expected, column({ -1, -2, -3, -4 }, 1));
    append(expected, column({ 0, 1, 0, 0 }, 2));
    append(expected, column({ 0, 0, 0, 0 }, 3));
    append(expected, column({ 0, 0, 2, 0 }, 4));
    EXPECT_EQ(sketchAndColumns(draw(SurfaceKind::Screen, lendrixModel(), onlyAll())), expected);
}

TEST(ModelChart, FlagsOneAndThreeDrawColumnsTwoAndFourInTheFirstTwoColours)
{
    LendrixModeFlags flags {};
    flags[1] = 1;
    flags[3] = 1;
    std::vector<Op::Line> expected = rotorSketch(1);
    append(expected, column({ -1, -2, -3, -4 }, 0));
    append(expected, column({ 0, 0, 0, 0 }, 1));
    EXPECT_EQ(sketchAndColumns(draw(SurfaceKind::Screen, lendrixModel(), flags)), expected);
}

TEST(ModelChart, ColoursSkipLightGreyAndWhite)
{
    // Eleven modal columns, all drawn: the eighth takes 8 and the fifteenth
    // wraps to 0.
    LendrixModel m = lendrixModel(13, std::vector<double>(13, 1.0));
    std::vector<int> colours;
    for (const Op::Line& l : sketchAndColumns(draw(SurfaceKind::Screen, m, onlyAll()))) {
        for (int c = 0; c < 16; ++c) {
            if (l.rgb == Palette::colour(c) && (colours.empty() || colours.back() != c))
                colours.push_back(c);
        }
    }
    // The sketch (1), then columns 1 .. 15.
    EXPECT_EQ(colours, (std::vector<int> { 1, 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 0 }));
}

TEST(ModelChart, LegendListsEveryColumnWithItsFrequencyRightOfTheFrame)
{
    LendrixModeFlags flags {};
    flags[0] = 1;
    const OpList ops = from(draw(SurfaceKind::Screen, lendrixModel(), flags), QStringLiteral("No.1   0  Hz"));
    const std::vector<Op::Text> texts = all<Op::Text>(ops);
    ASSERT_EQ(texts.size(), 6u);
    const QStringList expected { "No.1   0  Hz", "No.2   0  Hz", "No.3   0  Hz", "No.4   10  Hz", "No.5   50  Hz" };
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(texts[std::size_t(j)].text, expected[j]);
        EXPECT_EQ(texts[std::size_t(j)].x, 20.0f);
        EXPECT_EQ(texts[std::size_t(j)].y, 8.0f + float(j));
    }
}

TEST(ModelChart, StationLinesMarkStationsWithoutModalEntries)
{
    // Stations 1 and 4 have all modal columns zero; 2 and 3 a non-zero pair.
    const OpList ops = from(draw(SurfaceKind::Screen, lendrixModel(), onlyAll()), QStringLiteral("No.5   50  Hz"));
    EXPECT_EQ(all<Op::Line>(ops), (std::vector<Op::Line> { { 4, 8, 4, 18, kBlack, 1 }, { 19, 8, 19, 18, kBlack, 1 } }));

    // One modal column: every station gets its line, whatever its value.
    const LendrixModel single = lendrixModel(1, { 3947.8418 });
    EXPECT_TRUE(isBareStation(single, 2));
    EXPECT_EQ(all<Op::Line>(from(draw(SurfaceKind::Screen, single, onlyAll()), QStringLiteral("No.3   10  Hz"))).size(), 4u);

    const LendrixModel m = lendrixModel();
    EXPECT_TRUE(isBareStation(m, 1));
    EXPECT_FALSE(isBareStation(m, 2));
    EXPECT_FALSE(isBareStation(m, 3));
    EXPECT_TRUE(isBareStation(m, 4));
}

// Beyond the flag table "All" still draws: nothing after the eleventh column
// is lost, and without "All" such columns stay undrawn.
TEST(ModelChart, ColumnsBeyondElevenAreDrawnOnlyThroughAll)
{
    const LendrixModel m = lendrixModel(10, std::vector<double>(10, 3947.8418));
    const QStringList texts = textsOf(draw(SurfaceKind::Screen, m, onlyAll()));
    EXPECT_TRUE(texts.contains(QStringLiteral("No.12   10  Hz")));
    EXPECT_EQ(texts.back(), m.FileComment);
    EXPECT_EQ(sketchAndColumns(draw(SurfaceKind::Screen, m, onlyAll())).size(), 3u + 12 * 3);

    LendrixModeFlags flags {};
    flags[10] = 0;
    flags[9] = 1;
    EXPECT_FALSE(columnSelected(flags, 12));
    EXPECT_TRUE(columnSelected(flags, 10));
    EXPECT_FALSE(columnSelected(flags, 0));
    EXPECT_TRUE(columnSelected(onlyAll(), 40));
    EXPECT_EQ(sketchAndColumns(draw(SurfaceKind::Screen, m, flags)).size(), 3u + 3);
}

TEST(ModelChart, NegativeBlockFiveValueShowsADashAndTheDrawingGoesOn)
{
    const OpList ops = draw(SurfaceKind::Screen, lendrixModel(3, { -4, 3947.8418, 0 }), onlyAll());
    const QStringList texts = textsOf(ops);
    EXPECT_TRUE(texts.contains(QStringLiteral("No.3   -  Hz")));
    EXPECT_TRUE(texts.contains(QStringLiteral("No.4   10  Hz")));
    EXPECT_EQ(all<Op::Line>(from(ops, QStringLiteral("No.5   0  Hz"))).size(), 2u);
}

TEST(ModelChart, FailuresGoOnWithTheComment)
{
    LendrixSettings zero = settings();
    zero.X.max = zero.X.min;
    const LendrixModel m = lendrixModel();
    const OpList ops = draw(SurfaceKind::Screen, m, onlyAll(), zero);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Clear {}));
    EXPECT_EQ(ops[1], SurfaceOp(Op::Point { 5, 0, kGrey, 1 }));
    const auto* comment = std::get_if<Op::Text>(&ops[2]);
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, m.FileComment);
    EXPECT_EQ(comment->font, QStringLiteral("Small Fonts"));
    EXPECT_EQ(comment->size, 7);

    // Fewer block 5 values than modal columns: columns drawn, no legend.
    LendrixModel shortFive = lendrixModel();
    shortFive.L5 = 2;
    const QStringList texts = textsOf(draw(SurfaceKind::Screen, shortFive, onlyAll()));
    EXPECT_FALSE(texts.join(QString()).contains(QLatin1String("No.")));
    EXPECT_EQ(texts.back(), m.FileComment);
}

TEST(ModelChart, PrinterSketchesWideAndEndsItsPage)
{
    const LendrixModel m = lendrixModel();
    const OpList ops = draw(SurfaceKind::Printer, m, onlyAll());
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const SurfaceOp& op) { return std::holds_alternative<Op::Clear>(op); }), 0);
    const std::vector<Op::Line> lines = sketchAndColumns(ops);
    ASSERT_EQ(lines.size(), 3u + 15);
    EXPECT_EQ(std::vector<Op::Line>(lines.begin(), lines.begin() + 3), rotorSketch(20));
    EXPECT_EQ(lines[3], lineOf(4, 12, 9, 11, 0, 1));

    const auto rotated = all<Op::Text>(from(ops, QStringLiteral("YT")));
    EXPECT_EQ(rotated.front().height, 120);
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
    const auto* comment = std::get_if<Op::Text>(&ops[ops.size() - 2]);
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, m.FileComment);
    EXPECT_EQ(comment->x, 10.0f);
    EXPECT_EQ(comment->y, 0.0f);
}

} // namespace
} // namespace kavel::test
