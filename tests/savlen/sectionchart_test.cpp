#include "framework/models/rotormodel.h"
#include "savlen/savlensettings.h"
#include "savlen/sectionchart.h"

#include "framework/surface/recordingsurface.h"

#include "support/chartops.h"
#include "support/framedsettings.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// Two elements: a bored shaft piece from x 0 to 100, a solid one to 300.
RotorModel twoElements()
{
    RotorModel m;
    ReadRotorModelText(QStringLiteral("m"),
        QStringLiteral("h\r\nR1 test rotor\r\n 2\r\n"
                       " 1 0 0 0\r\n 1 0 60 20\r\n 1 100 60 20\r\n 1 100 0 0\r\n"
                       " 5 100 0 0\r\n 6 100 40 0\r\n 7 300 40 0\r\n 8 300 0 0\r\n"),
        m);
    return m;
}

SavlenSettings settings()
{
    SavlenSettings s = framedSettings<SavlenSettings>({ 0, 300, 100, 15 }, { -50, 50, 50, 10 }, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("T"));
    s.ContourMode = 1;
    return s;
}

OpList draw(SurfaceKind kind, const SavlenSettings& s, const RotorModel& m, int showNumbers)
{
    RecordingSurface surface(kind);
    DrawSectionChart(surface, s, m, showNumbers);
    return surface.takeOps();
}

// The operations after the last frame label: the titles, contours, labels, comment.
OpList afterFrame(const OpList& ops)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < ops.size(); ++k) {
        if (const auto* t = std::get_if<Op::Text>(&ops[k]); t && t->text == QLatin1String("T"))
            i = k - 1;
    }
    return OpList(ops.begin() + std::ptrdiff_t(i), ops.end());
}

} // namespace

TEST(SectionChart, ScreenChartClearsThenDrawsTitlesContoursAndComment)
{
    const OpList ops = afterFrame(draw(SurfaceKind::Screen, settings(), twoElements(), 0));
    // Frame: x 5..20, y 8..18, zero line at 13, centre (12.5, 13).
    ASSERT_GE(ops.size(), 7u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Point { 8.5, 6, { 192, 192, 192 }, 1 }));
    EXPECT_EQ(ops[1], SurfaceOp(Op::Text { 8.5, 6, "T", "times new roman", 8, 0, 0, kBlack }));
    EXPECT_EQ(ops[2], SurfaceOp(Op::Point { 10.5, 19.5, { 192, 192, 192 }, 1 }));
    EXPECT_EQ(std::get<Op::Text>(ops[3]).text, "X");
    EXPECT_EQ(ops[4], SurfaceOp(Op::Point { 1.5, 17, { 192, 192, 192 }, 1 }));
    EXPECT_EQ(ops[5], SurfaceOp(Op::Text { 1.5, 17, "Y", "times new roman", 0, 90, 15, kBlack }));

    const std::vector<Op::Line> lines = all<Op::Line>(ops);
    ASSERT_EQ(lines.size(), 7u * 4u) << "four contour lines per point step";
    EXPECT_EQ(lines[0], (Op::Line { 5, 13, 5, 10, kBlack, 1 }));   // upper outer
    EXPECT_EQ(lines[1], (Op::Line { 5, 13, 5, 12, kBlack, 1 }));   // upper inner
    EXPECT_EQ(lines[2], (Op::Line { 5, 13, 5, 16, kBlack, 1 }));   // lower outer
    EXPECT_EQ(lines[3], (Op::Line { 5, 13, 5, 14, kBlack, 1 }));   // lower inner
    EXPECT_EQ(lines[20], (Op::Line { 10, 11, 20, 11, kBlack, 1 })); // element 2's outer edge

    const auto texts = all<Op::Text>(ops);
    EXPECT_EQ(texts.back(), (Op::Text { 5, 0, "R1 test rotor", "Small Fonts", 7, 0, 0, kBlack }));
    EXPECT_TRUE(all<Op::Point>(ops).size() == 4u) << "no element labels without ShowNumbers";
}

TEST(SectionChart, ElementNumbersSitOnTheSecondPointAndTheLastButOne)
{
    const OpList ops = afterFrame(draw(SurfaceKind::Screen, settings(), twoElements(), 1));
    std::vector<std::pair<Op::Point, QString>> labels;
    for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
        const auto* p = std::get_if<Op::Point>(&ops[i]);
        if (p && p->rgb == Rgb { 255, 0, 0 })
            labels.emplace_back(*p, std::get<Op::Text>(ops[i + 1]).text);
    }
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].first, (Op::Point { 5, 10, { 255, 0, 0 }, 1 }));
    EXPECT_EQ(labels[0].second, " 1 ");
    EXPECT_EQ(labels[1].first, (Op::Point { 10, 11, { 255, 0, 0 }, 1 }));
    EXPECT_EQ(labels[1].second, " 6 ");
    EXPECT_EQ(labels[2].first, (Op::Point { 20, 11, { 255, 0, 0 }, 1 })) << "point 7";
    EXPECT_EQ(labels[2].second, " 9 ") << "the last record's number plus one";
}

TEST(SectionChart, UpperHalfOnlyMovesLabelsToFirstAndLastPoints)
{
    SavlenSettings s = settings();
    s.ContourMode = 2;
    const OpList ops = afterFrame(draw(SurfaceKind::Screen, s, twoElements(), 1));
    EXPECT_EQ(all<Op::Line>(ops).size(), 7u * 2u);
    std::vector<Op::Point> red;
    for (const Op::Point& p : all<Op::Point>(ops)) {
        if (p.rgb == Rgb { 255, 0, 0 })
            red.push_back(p);
    }
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[0].x, 5.f);  // point 1
    EXPECT_EQ(red[1].x, 10.f); // point 5
    EXPECT_EQ(red[2].x, 20.f); // point 8
    EXPECT_EQ(red[2].y, 13.f);
}

TEST(SectionChart, ZeroRangeDrawsOnlyTheComment)
{
    SavlenSettings s = settings();
    s.X.max = s.X.min;
    const OpList ops = draw(SurfaceKind::Screen, s, twoElements(), 0);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0], SurfaceOp(Op::Clear {}));
    EXPECT_EQ(ops[1], SurfaceOp(Op::Point { 5, 0, { 192, 192, 192 }, 1 }));
    EXPECT_EQ(std::get<Op::Text>(ops[2]).text, "R1 test rotor");
}

TEST(SectionChart, NoModelDrawsFrameTitlesAndComment)
{
    RotorModel empty;
    const OpList ops = afterFrame(draw(SurfaceKind::Screen, settings(), empty, 1));
    EXPECT_TRUE(all<Op::Line>(ops).empty());
    EXPECT_EQ(all<Op::Text>(ops).size(), 4u);
}

TEST(SectionChart, PrinterPageUsesItsFontsWidthsAndEndsTheDocument)
{
    SavlenSettings s = settings();
    const OpList ops = draw(SurfaceKind::Printer, s, twoElements(), 0);
    EXPECT_FALSE(std::holds_alternative<Op::Clear>(ops.front())) << "the page is not cleared";
    EXPECT_EQ(ops.front(), SurfaceOp(Op::Line { 5, 18, 20, 18, kBlack, 3 }));
    EXPECT_EQ(ops.back(), SurfaceOp(Op::EndDocument {}));
    const auto texts = all<Op::Text>(ops);
    EXPECT_EQ(texts.back(), (Op::Text { 10, 0, "R1 test rotor", "times new roman", 12, 0, 0, kBlack }));
    const auto yTitle = std::find_if(texts.begin(), texts.end(), [](const Op::Text& t) { return t.angle == 90; });
    ASSERT_NE(yTitle, texts.end());
    EXPECT_EQ(yTitle->font, QString::fromUtf8("標準明朝"));
    EXPECT_EQ(yTitle->height, 20);
    EXPECT_EQ(texts.front().size, 12);

    s.Y.max = s.Y.min;
    const OpList failed = draw(SurfaceKind::Printer, s, twoElements(), 0);
    ASSERT_EQ(failed.size(), 3u) << "a failed page still carries the comment and is ended";
    EXPECT_EQ(failed.back(), SurfaceOp(Op::EndDocument {}));
}

} // namespace kavel::test
