#pragma once

#include "framework/reading/fieldreader.h"

#include <QString>
#include <array>
#include <vector>

namespace kavel {

// The complex mode shapes of a DASMOR6 free-vibration result: the axial
// position of every station, each mode's amplitude and phase per station in
// the horizontal (j = 0) and vertical (j = 1) direction, and five numbers per
// mode (rotating speed, -, turning direction, eigenvalue real and imaginary
// part). Indexes are those of the result file: stations and modes from 1.
class ComplexModeShapes {
public:
    QString FileComment;

    int N1() const { return m_N1; }
    int N2() const { return m_N2; }

    // Station s = 1..N1, mm.
    float stationPos(int s) const;
    // k = 1..2·N1 (2s−1 the amplitude, 2s the phase in degrees of station
    // s), mode i = 1..N2, direction j = 0 or 1. Whatever the file did not
    // deliver is 0.
    float shape(int k, int i, int j) const;
    // m = 1..5, mode i = 1..N2.
    float modeInfo(int m, int i) const;

    // New counts: every table sized for them and zero.
    void resize(int N1, int N2);
    void setStationPos(int s, float value);
    // The fields of one shape line, k = 1.. as far as the line reaches; the
    // fields after them stay 0.
    void setShapeLine(int i, int j, std::vector<float> fields);
    void setModeInfo(int i, const std::array<float, 5>& values);

private:
    int m_N1 = 0;
    int m_N2 = 0;
    std::vector<float> m_stationPos;
    // One row per mode and direction, holding only the fields its line
    // reached: a count the file cannot fill never allocates for it.
    std::vector<std::vector<float>> m_shapeRows;
    std::vector<std::array<float, 5>> m_modeInfo;
};

// Reads a mode-shape result file: the comment line, the counts N1 and N2,
// the station line, two shape lines per mode and one line of mode numbers
// per mode, all but the counts in fixed columns (a 7-character label, then
// fields of 11). Stops at the first failure without a message: what was read
// stays, the tables sized for the new counts keep 0 where nothing was read,
// and a file that cannot be opened changes nothing. A file of another kind
// stops where it stops making sense: words on the station line where
// positions belong, or lines past those the counts call for.
ReaderDiagnostic parseComplexModeShapes(FieldReader& reader, ComplexModeShapes& shapes);
inline constexpr auto ReadComplexModeShapes = &ReaderEntries<parseComplexModeShapes>::read;
inline constexpr auto ReadComplexModeShapesText = &ReaderEntries<parseComplexModeShapes>::readText;

// The diagnostic file's bytes: the first mode's five numbers, one a line in
// the single-precision number text, each line ended by CR LF. Empty when
// there is no mode.
QByteArray FormatModeDiagnostic(const ComplexModeShapes& shapes);

} // namespace kavel
