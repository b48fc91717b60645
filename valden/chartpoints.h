#pragma once

#include <vector>

namespace kavel {

struct ChartGeometry;
struct EigenData;

// The eigenvalues as chart points, single precision, rebuilt at every
// drawing; step-major like EigenData. A point that has no place on the
// chart (a damping ratio of an eigenvalue of modulus 0, a coordinate beyond
// the single range) is NaN, and the segments that touch it are not drawn.
struct XYPoints {
    std::vector<float> SpeedX;  // chart x of each speed
    std::vector<double> Frequency; // each natural frequency itself (Hz)
    std::vector<float> FreqY;   // chart y of each natural frequency
    std::vector<float> Damping; // the damping ratio itself
    std::vector<float> DampY;   // chart y of the damping ratio on its scale
};

struct GaussPoints {
    std::vector<float> GaussX;
    std::vector<float> GaussY;
};

// The damping scale: the fraction of the frequency range 0 … Ymax at which
// a damping ratio stands. The lower half holds −0.02 … 0.1, the upper half
// 0.1 … 1.
double DampingFraction(float damping);

// From the XY chart's geometry (speed against frequency) and its Ymax.
void ComputeXYPoints(const EigenData& data, const ChartGeometry& g, double Ymax, XYPoints& out);
// From the Gauss chart's geometry (real against imaginary part).
void ComputeGaussPoints(const EigenData& data, const ChartGeometry& g, GaussPoints& out);

} // namespace kavel
