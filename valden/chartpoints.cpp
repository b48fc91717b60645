#include "chartpoints.h"

#include "eigendata.h"

#include "framework/chart/chartframe.h"
#include "framework/reading/single.h"

#include <cmath>
#include <limits>

namespace kavel {

namespace {

constexpr double kPi = 3.1415926535;
constexpr float kNoPoint = std::numeric_limits<float>::quiet_NaN();

// A chart coordinate as the single the surface takes, or no point.
float chartSingle(double value)
{
    if (!Single::fits(value))
        return kNoPoint;
    return float(value);
}

} // namespace

double DampingFraction(float damping)
{
    // Compared as singles: a ratio of exactly 0.1 takes the lower formula
    // (both give 0.5 there).
    if (damping > 0.1f)
        return (5 * double(damping) + 4) / 9;
    return (double(damping) + 0.02) * 25 / 6;
}

void ComputeXYPoints(const EigenData& data, const ChartGeometry& g, double Ymax, XYPoints& out)
{
    const std::size_t cells = std::size_t(data.N1) * std::size_t(data.N2);
    out.SpeedX.assign(std::size_t(data.N1), kNoPoint);
    out.Frequency.assign(cells, double(kNoPoint));
    out.FreqY.assign(cells, kNoPoint);
    out.Damping.assign(cells, kNoPoint);
    out.DampY.assign(cells, kNoPoint);
    for (int i = 1; i <= data.N1; ++i) {
        out.SpeedX[std::size_t(i - 1)] = chartSingle(g.OffsetX + g.ScaleX * data.speedAt(i));
        for (int j = 1; j <= data.N2; ++j) {
            const std::size_t k = data.cell(i, j);
            const double sigma = data.sigma[k];
            const double omega = data.omega[k];
            const double f = omega / 2 / kPi;
            out.Frequency[k] = f;
            out.FreqY[k] = chartSingle(g.OffsetY - g.ScaleY * f);
            // An eigenvalue of modulus 0 has no damping ratio.
            const double modulus = std::sqrt(sigma * sigma + omega * omega);
            if (!(modulus > 0) || !std::isfinite(modulus))
                continue;
            const float damping = float(-sigma / modulus);
            out.Damping[k] = damping;
            out.DampY[k] = chartSingle(g.OffsetY - g.ScaleY * (Ymax * DampingFraction(damping)));
        }
    }
}

void ComputeGaussPoints(const EigenData& data, const ChartGeometry& g, GaussPoints& out)
{
    const std::size_t cells = std::size_t(data.N1) * std::size_t(data.N2);
    out.GaussX.assign(cells, kNoPoint);
    out.GaussY.assign(cells, kNoPoint);
    for (std::size_t k = 0; k < cells; ++k) {
        out.GaussX[k] = chartSingle(g.OffsetX + g.ScaleX * data.sigma[k]);
        out.GaussY[k] = chartSingle(g.OffsetY - g.ScaleY * data.omega[k]);
    }
}

} // namespace kavel
