#pragma once

#include "framework/readerdiagnostic.h"

#include <QString>
#include <QStringList>
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

// The quasi-modal model as the matrix export reads it: blocks 1 to 8, the
// station table's column counts p, q and station count nz, the station
// coordinates Z and the station table T (nz rows of p + q values).
struct QuasiModalModel {
    QString title;
    ModelBlock block[9]; // 1..8; vectors 3 and 5 have cols 1
    qint64 p = 0, q = 0, nz = 0;
    std::vector<float> Z;
    std::vector<std::vector<float>> T;
};

// Reads the model file with free items for the counts and values and fixed
// columns for Z and T. Stops at the first failure and says where.
ReaderDiagnostic ReadQuasiModalModel(const QString& path, QuasiModalModel& model);
ReaderDiagnostic ReadQuasiModalModelText(const QString& name, const QString& text, QuasiModalModel& model);

// The six files the computer-algebra notebook reads, in the order written.
struct MatrixFile {
    QString name;     // "mdata16.dat"
    QByteArray bytes; // CR LF lines
};

// Lays out the six files from a model. A block too short for the rows
// another block's count asks of it stops the layout; the files laid out
// before it are returned, and `error` says which file and why.
std::vector<MatrixFile> FormatMatrixFiles(const QuasiModalModel& model, QString* error);

// The outcome of an export: the files written, and on failure a message
// naming the model file and where it stopped, or the file not written.
struct ExportResult {
    QStringList written;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads the model file and writes mdata16.dat, kdata16.dat, gdata16.dat,
// zzahyo.dat, ttmsnd.dat and fc.dat into `outDir`, each replaced whole: a
// failure never leaves a half-written file. Defaults: c:\Kavel\data\lendrix.mac
// and c:\Kavel\data\.
ExportResult ExportMatrices(const QString& modelPath = {}, const QString& outDir = {});

} // namespace kavel
