#pragma once

#include "framework/reading/fieldreader.h"

#include <QString>
#include <vector>

namespace kavel {

// The deflection line of the rotor: n points along the axis (mm) with the
// deflection at each (mm).
struct DeflectionData {
    QString FileComment;
    int n = 0;
    // Points 1..n at indexes 0..n-1.
    std::vector<float> xs;
    std::vector<float> defl;
};

// Reads a deflection file: a header line, the comment line, the count n,
// then a line of positions and a line of deflections, each a 6-character
// label and n fields of 11 characters. A file that cannot be opened keeps
// the previous data; a later failure keeps what was read. Words where
// the positions belong, or lines after the deflections, stop the read as
// failures: that is where a file of another kind shows.
ReaderDiagnostic parseDeflectionData(FieldReader& reader, DeflectionData& data);
inline constexpr auto ReadDeflectionData = &ReaderEntries<parseDeflectionData>::read;
inline constexpr auto ReadDeflectionDataText = &ReaderEntries<parseDeflectionData>::readText;

} // namespace kavel
