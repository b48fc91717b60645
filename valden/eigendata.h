#pragma once

#include "framework/reading/fieldreader.h"

#include <QString>
#include <vector>

namespace kavel {

// The eigenvalue result file: the complex eigenvalues sigma + i·omega of N2
// modes at each of N1 rotational speeds.
struct EigenData {
    QString FileComment;
    int N1 = 0; // speed steps
    int N2 = 0; // modes
    std::vector<float> speed; // rps, steps 1..N1 at 0..N1-1
    std::vector<float> sigma; // 1/s, step-major: (i, j) at (i-1)·N2 + j-1
    std::vector<float> omega; // rad/s

    float speedAt(int i) const { return speed[std::size_t(i - 1)]; }
    float sigmaAt(int i, int j) const { return sigma[cell(i, j)]; }
    float omegaAt(int i, int j) const { return omega[cell(i, j)]; }
    std::size_t cell(int i, int j) const { return std::size_t(i - 1) * std::size_t(N2) + std::size_t(j - 1); }
};

// The line the result starts after; a line holding a single blank serves
// as well in files written without it.
inline constexpr char kEigenMarker[] = "    *** MAC VALDEN **";

// Reads an eigenvalue result file. A file that cannot be opened keeps the
// previous data; any later failure keeps what was read, the rest zero.
ReaderDiagnostic parseEigenData(FieldReader& reader, EigenData& data);
inline constexpr auto ReadEigenData = &ReaderEntries<parseEigenData>::read;
inline constexpr auto ReadEigenDataText = &ReaderEntries<parseEigenData>::readText;

} // namespace kavel
