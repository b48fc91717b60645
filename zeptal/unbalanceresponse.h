#pragma once

#include "framework/reading/fieldreader.h"

#include <QString>
#include <vector>

namespace kavel {

// The unbalance response file: for each of speedCount rotating speeds the
// amplitude and phase of curveCount response curves.
struct UnbalanceResponse {
    QString FileComment;
    int speedCount = 0; // NS
    int curveCount = 0; // NC
    // response(0..NS, 0..NC, 0..1): (i, 0, 0) the speed of point i, (i, j, 0)
    // the amplitude and (i, j, 1) the phase (degrees) of curve j; the other
    // elements stay 0.
    std::vector<float> values;

    std::size_t cell(int i, int j, int k) const
    {
        return (std::size_t(i) * std::size_t(curveCount + 1) + std::size_t(j)) * 2 + std::size_t(k);
    }
    float response(int i, int j, int k) const { return values[cell(i, j, k)]; }
    float speed(int i) const { return response(i, 0, 0); }
    float amplitude(int i, int j) const { return response(i, j, 0); }
    float phase(int i, int j) const { return response(i, j, 1); }
};

// The line the result starts after; a line holding a single blank serves as
// well. A line with anything more (trailing blanks too) is passed over.
inline constexpr char kResponseMarker[] = "    *** MAC QORVAT **";

// Reads a response file. A file that cannot be opened, or has no marker line,
// keeps the previous data; any later failure keeps what was read, the rest 0.
ReaderDiagnostic parseUnbalanceResponse(FieldReader& reader, UnbalanceResponse& data);
inline constexpr auto ReadUnbalanceResponse = &ReaderEntries<parseUnbalanceResponse>::read;
inline constexpr auto ReadUnbalanceResponseText = &ReaderEntries<parseUnbalanceResponse>::readText;

} // namespace kavel
