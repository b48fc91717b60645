#pragma once

#include "framework/reading/fieldreader.h"

#include <QString>
#include <vector>

namespace kavel {

// The curve kinds of the map file: each mode has three blocks of values.
enum MapCurveKind { CriticalSpeedKind = 0, StandstillKind = 1, SpareKind = 2 };
inline constexpr int kMapCurveKinds = 3;

// The critical speed map: for each support stiffness the critical speed and
// the standstill natural frequency of every mode (and a third kind that is
// kept but never drawn). Indexes start at 1; element 0 stays 0.
struct CriticalSpeedMap {
    QString FileComment;
    qint16 pointCount = 0; // NP, kept within what the file can hold
    qint16 modeCount = 0;  // NM, likewise
    std::vector<float> stiffness = std::vector<float>(1);               // 0..NP, kgf/mm
    std::vector<float> frequencies = std::vector<float>(kMapCurveKinds); // (0..NP, 0..NM, 0..2), Hz

    float frequency(int i, int j, int k) const { return frequencies[index(i, j, k)]; }
    float& frequency(int i, int j, int k) { return frequencies[index(i, j, k)]; }

    // Sizes the arrays for the counts, every value 0.
    void resize(qint16 points, qint16 modes);

private:
    std::size_t index(int i, int j, int k) const
    {
        return (std::size_t(j) * std::size_t(pointCount + 1) + std::size_t(i)) * kMapCurveKinds + std::size_t(k);
    }
};

// Reads a map file: a title line, the comment line, the point and mode
// counts, a header line, the stiffness values a line each, then for each
// mode and kind a header line and the values a line each. A value line is
// taken by its leading number ("  1.5E+03 Hz" is 1500, letters are 0).
// The read stops where the file stops making sense as a map: a header line
// that opens with a number, a value line of several numbers, or lines past
// the last block (another kind of file, or counts that do not fit it).
// A file that cannot be opened keeps the previous map; once both counts are
// read the map is replaced, and a later failure keeps what was read, the
// rest zero.
ReaderDiagnostic parseCriticalSpeedMap(FieldReader& reader, CriticalSpeedMap& map);
inline constexpr auto ReadCriticalSpeedMap = &ReaderEntries<parseCriticalSpeedMap>::read;
inline constexpr auto ReadCriticalSpeedMapText = &ReaderEntries<parseCriticalSpeedMap>::readText;

} // namespace kavel
