#pragma once

#include "framework/reading/readerdiagnostic.h"

#include <QString>
#include <optional>
#include <vector>

namespace kavel {

// A block of the quasi-modal model file: r × c single-precision values in
// column order (element (i, j) is x((j − 1)·r + i), all from 1); a vector
// block has c = 1.
struct ModelBlock {
    qint64 rows = 0;
    qint64 cols = 0;
    std::vector<float> x;

    // x(k) with k from 1; nullopt past the values read.
    std::optional<float> at(qint64 k) const;
};

// The quasi-modal model file lendrix.mac: blocks 1 to 8, the station table's
// column counts p, q and station count nz, the station coordinates Z and the
// station table T (nz rows of p + q values).
struct QuasiModalModel {
    QString title;
    ModelBlock block[9]; // 1..8; vectors 3 and 5 have cols 1
    qint64 p = 0, q = 0, nz = 0;
    std::vector<float> Z;
    std::vector<std::vector<float>> T;
};

// How a program reads the file. The matrix export takes every count as a
// free item and keeps every block; the model viewer takes the matrix
// blocks' counts and p, q, nz from their columns (1–6, 7–12, 13–18), keeps
// only the two vectors, and holds nz as a 16-bit integer. Both read the
// same counts when the fields are separated by blanks. Read by columns, a
// line of counts must hold each in its columns, or the read stops there:
// that is where a file of another kind shows.
struct QuasiModalReading {
    bool countsByColumn = false;
    bool keepMatrixBlocks = true;
};

// Reads the model file with the counts and values as free items and Z and T
// from fixed columns by the leading-number rule. Stops at the first failure,
// keeps what was read, and says where it stopped.
ReaderDiagnostic ReadQuasiModalModel(const QString& path, QuasiModalModel& model, const QuasiModalReading& how = {});
ReaderDiagnostic ReadQuasiModalModelText(const QString& name, const QString& text, QuasiModalModel& model, const QuasiModalReading& how = {});

} // namespace kavel
