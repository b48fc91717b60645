#pragma once

#include "framework/reading/fieldreader.h"

#include <QString>
#include <vector>

namespace kavel {

struct RotorModel;

// The planar mode shapes of a DASMOR1 result: the axial position of each
// station and, per mode, the deflection of every station in direction 0
// (drawn) and direction 1 (read and kept). Stations and modes count from 1.
class PlanarModeShapes {
public:
    QString FileComment;
    int N1 = 0;
    int N2 = 0;
    // Stations 1..N1 at indexes 0..N1-1, mm.
    std::vector<float> stationPos;

    // Station k, mode i, direction j; 0 where the file delivered nothing.
    float modeShape(int k, int i, int j) const;
    // How many stations' values the line of mode i, direction j delivered:
    // the stations after them are 0.
    int deliveredStations(int i, int j) const;
    // Only the fields its line reached: a count the file cannot fill never
    // allocates for it.
    void setShapeLine(int i, int j, std::vector<float> fields);
    void clearShapes() { m_rows.clear(); }

private:
    // Row 2·(i − 1) + j.
    std::vector<std::vector<float>> m_rows;
};

// Reads the result file: a header line, the comment line, N1 and N2, the
// station line, then for every mode a line per direction, all but the
// counts in fixed columns (a 7-character label, then fields of 11). A file
// that cannot be opened changes nothing; a later failure keeps what was read.
// Words on the station line where positions belong, or lines past the last
// shape, stop the read too: that is where a file of another kind shows.
ReaderDiagnostic parseModeShapeResult(FieldReader& reader, PlanarModeShapes& shapes);
inline constexpr auto ReadModeShapeResult = &ReaderEntries<parseModeShapeResult>::read;
inline constexpr auto ReadModeShapeResultText = &ReaderEntries<parseModeShapeResult>::readText;

// The result, then the rotor outline; a result that could not be read whole
// leaves the outline unread.
ReaderDiagnostic ReadModeShapeFiles(const QString& resultPath, const QString& outlinePath, PlanarModeShapes& shapes, RotorModel& outline);

} // namespace kavel
