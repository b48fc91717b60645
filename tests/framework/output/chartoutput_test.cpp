#include "framework/output/chartoutput.h"
#include "framework/output/drawnextent.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kavel::test {

// A chart drawn from a file of another kind can reach a kilometre past the
// page: its picture is scaled down to the longest side, not allocated at
// gigabytes (a null image that painted nothing and encoded to no PNG).
TEST(ChartOutput, PictureOfAFarReachingChartIsScaledDownToFit)
{
    EXPECT_EQ(ChartOutput::pictureSize(QRectF(0, 0, 30, 21), 96), QSize(1134, 794));
    EXPECT_EQ(ChartOutput::pictureSize(QRectF(0, 0, 3000, 30), 96), QSize(ChartOutput::kMaxPictureSide, 41));

    const OpList ops { Op::Line { 0, 0, 99999, 21, Rgb { 0, 0, 0 }, 1 } };
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("far.png"));
    EXPECT_EQ(ChartOutput::writePng(ops, SurfaceKind::Screen, png, 96, DrawnExtent(ops)), QString());
    EXPECT_EQ(QImage(png).width(), ChartOutput::kMaxPictureSide);
}

} // namespace kavel::test
