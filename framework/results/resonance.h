#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace kavel {

// A resonance peak of a sampled response amplitude over speed.
struct Resonance {
    std::size_t peak;         // the sample of the local maximum, from 0
    std::optional<double> n1; // the half-power speeds below and above it
    std::optional<double> n2;
    // N_peak / (N2 − N1); none when a half-power point was not found (the
    // response is then taken as critically damped).
    std::optional<double> af;
};

// Every local maximum of `amplitude`: a sample higher than the one before it
// and not lower than the one after; a flat top counts once, at its start,
// and only where the response falls after it or the data ends (a step of a
// response that goes on rising is none). The first sample is one where the
// response falls after it. Around
// each, the half-power points where the amplitude falls to peak / √2, by
// linear interpolation between the two samples around the fall, searched
// from the peak outwards only as far as the valley on that side: the lowest
// sample between this peak and the neighbouring maximum, or the data's end.
// A response that does not fall that far before rising to the next peak
// has no half-power point on that side. `speed` and `amplitude` are the same
// length.
std::vector<Resonance> FindResonances(std::span<const double> speed, std::span<const double> amplitude);

} // namespace kavel
