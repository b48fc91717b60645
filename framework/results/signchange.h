#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace kavel {

// Where a sampled function g meets zero between its samples: between sample
// i − 1 and sample i when g has opposite signs there, or when g is 0 at
// sample i and was not at i − 1. So a crossing exactly at a sample is found
// once, a curve that touches zero at a sample and turns back is found once
// (it does reach zero there), and a run of zeros once, at its start. `t` is
// where the straight line between the two samples is 0, as the fraction
// 0 < t ≤ 1 of the way from sample i − 1 to sample i. Pairs with a sample
// that is not finite have no crossing.
struct SignChange {
    std::size_t index; // i, the later sample, from 1
    double t;
};
std::vector<SignChange> SignChanges(std::span<const double> g);

// The value a fraction t of the way from a to b.
constexpr double Interpolate(double a, double b, double t)
{
    return a + (b - a) * t;
}

} // namespace kavel
