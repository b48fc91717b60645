#include "framework/output/painterrenderer.h"
#include "framework/surface/recordingsurface.h"

#include "support/application.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

// The columns the text's ink spans on a white image, {-1, -1} when blank.
std::pair<int, int> inkColumns(const SurfaceOp& op, const DeviceMapping& mapping, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterRenderer(painter, mapping).paint(op);
    }
    std::pair<int, int> span { -1, -1 };
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                span.first = span.first < 0 ? x : span.first;
                span.second = x;
                break;
            }
        }
    }
    return span;
}

} // namespace

// The device draws the text in its own font: the screen keeps 8 points in
// screen pixels while the chart is scaled to the window, paper scales both.
TEST(PainterRenderer, ATextAnchoredTopRightEndsAtItsPointOnScreenAndPaper)
{
    ensureApplication();
    RecordingSurface s;
    s.setFontName(QStringLiteral("times new roman"));
    s.setFontSize(8);
    s.point(5, 2);
    s.print(QStringLiteral("-2.5 "), TextAnchor::TopRight);
    s.point(5, 2);
    s.print(QStringLiteral("-2.5 "));
    const SurfaceOp endingAt = s.ops().at(1);
    const SurfaceOp startingAt = s.ops().at(3);

    for (const DeviceMapping& mapping : { DeviceMapping::fitted(QRectF(0, 0, 589, 355)), DeviceMapping::page(300) }) {
        const double x = mapping.origin.x() + 5 * mapping.pixelsPerCm;
        const double em = 8 * mapping.fontDpi / 72;
        const QSize size(int(x + 4 * em), int(mapping.origin.y() + 3 * mapping.pixelsPerCm));
        const auto [from, to] = inkColumns(endingAt, mapping, size);
        ASSERT_GE(from, 0) << em;
        // The minus sign and the digits before the point, only the trailing
        // blank (a quarter em) between them and it.
        EXPECT_LT(to, x) << em;
        EXPECT_GT(to, x - 0.5 * em - 1) << em;
        EXPECT_GE(inkColumns(startingAt, mapping, size).first, int(x)) << em;
    }
}

} // namespace kavel::test

namespace kavel::test {
namespace {

QImage drawn(const OpList& ops, bool polylines)
{
    QImage image(QSize(300, 210), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterRenderer(painter, DeviceMapping::page(25.4, SurfaceKind::Screen), polylines).paint(ops);
    return image;
}

} // namespace

// Two curves drawn a segment of each in turn, as the Campbell chart draws
// its frequency and damping, with sharp turns, a zero-length segment, a
// second pen, a line that touches a curve without continuing it and a curve
// cut at a frame: joined into polylines they cover exactly the pixels of the
// separate lines. (At a width of a pixel or two, a join and two caps may
// differ by a pixel where they meet; these pens are wide enough not to.)
TEST(PainterRenderer, PolylinesDrawTheSamePixelsAsTheirLines)
{
    RecordingSurface s;
    s.setLineWidth(7);
    for (int i = 0; i < 20; ++i) {
        const double x = 2 + i * 1.3;
        s.line(x, 10 + (i % 3) * 2.7, x + 1.3, 10 + ((i + 1) % 3) * 2.7, 4);
        s.line(x, 3 + i * 0.1, x + 1.3, 3 + (i + 1) * 0.1, 4);
    }
    s.line(28, 3.1, 28, 3.1, 4);
    s.line(2, 10, 12, 18, 9);
    s.line(12, 18, 14.6, 15.4);
    s.setLineWidth(1);
    s.line(5, 3.3, 5, 18, 4);
    // A curve cut at a frame: its pieces inside still join where they meet.
    s.setLineWidth(7);
    {
        const FrameClip frame(s, QRectF(8.2, 2, 13, 9.5));
        for (int i = 0; i < 20; ++i)
            s.line(2 + i * 1.3, 4 + (i % 4) * 2.5, 3.3 + i * 1.3, 4 + ((i + 1) % 4) * 2.5, 2);
    }
    // Without smoothing, as the page outputs draw: smoothed, separate lines
    // darken the edges where their caps overlap, which a polyline does not.
    const QImage lines = drawn(s.ops(), false);
    EXPECT_EQ(drawn(s.ops(), true), lines);
    EXPECT_NE(lines, drawn({}, false));
}

} // namespace kavel::test
