#pragma once

#include "framework/models/quasimodalmodel.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kavel {

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
