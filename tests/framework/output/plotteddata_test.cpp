#include "framework/output/plotteddata.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kavel::test {
namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// Two modes over the same speeds share the speed column; a curve over other
// samples starts a run of its own beside them, its missing rows empty.
TEST(PlottedData, CurvesSharingTheirSamplesShareTheirFirstColumn)
{
    PlotArea area;
    area.x.name = QStringLiteral("speed (rps)");
    area.y.resize(2);
    area.y[0].name = QStringLiteral("frequency (Hz)");
    area.y[1].name = QStringLiteral("damping");
    area.curves.push_back({ QStringLiteral("mode 1"), 0, { 0, 100 }, { 10, 11 }, {} });
    area.curves.push_back({ QStringLiteral("mode 1"), 1, { 0, 100 }, { double(0.1f), std::nan("") }, {} });
    area.curves.push_back({ QStringLiteral("other"), 0, { 5, 6, 7 }, { 1.0 / 3, 2, 3 }, {} });
    const PlottedData data = PlottedData::of({ area });
    EXPECT_EQ(data.header, (QStringList { "speed (rps)", "mode 1 frequency (Hz)", "mode 1 damping", "speed (rps)", "other frequency (Hz)" }));
    EXPECT_EQ(data.csv(), kBom + "speed (rps),mode 1 frequency (Hz),mode 1 damping,speed (rps),other frequency (Hz)\r\n"
                                 "0,10,0.1,5,0.3333333333333333\r\n"
                                 "100,11,,6,2\r\n"
                                 ",,,7,3\r\n");
}

// A path goes by its parameter and gives its x and its y.
TEST(PlottedData, APathGivesItsParameterThenItsTwoQuantities)
{
    PlotArea polar;
    polar.kind = PlotArea::Kind::Polar;
    polar.x.name = QStringLiteral("amplitude");
    polar.y.resize(1);
    polar.y[0].name = QStringLiteral("phase, deg");
    polar.parameter = QStringLiteral("speed");
    polar.curves.push_back({ QStringLiteral("curve 1"), 0, { 30, 31 }, { -90, -91.5 }, { 1000, 2000 } });
    EXPECT_EQ(PlottedData::of({ polar }).csv(), kBom + "speed,curve 1 amplitude,\"curve 1 phase, deg\"\r\n1000,30,-90\r\n2000,31,-91.5\r\n");
}

TEST(PlottedData, NumbersReadBackToTheSameSingleOrDouble)
{
    EXPECT_EQ(plottedNumber(double(1030.38f)), QStringLiteral("1030.38"));
    EXPECT_EQ(plottedNumber(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(plottedNumber(-2.5e-7), QStringLiteral("-2.5e-07"));
    EXPECT_EQ(plottedNumber(double(3e38f) * 10), QStringLiteral("3.000000005497756e+39"));
    EXPECT_EQ(plottedNumber(std::nan("")), QString());
}

} // namespace
} // namespace kavel::test
