#pragma once

#include "framework/models/rotormodel.h"
#include "framework/reading/readerdiagnostic.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kavel {

// What the viewer keeps of the quasi-modal model file, and the rotor model
// whose outer contour it sketches above the chart.
struct LendrixModel {
    QString FileComment;   // the model file's title line
    qint64 L3 = 0;         // block 3's declared length
    std::vector<float> block3;
    qint64 L5 = 0;         // block 5's declared length
    std::vector<float> block5; // squared circular frequencies, rad²/s²
    qint64 p = 0;          // physical columns of the station table
    qint64 q = 0;          // modal columns
    qint64 nz = 0;         // stations
    std::vector<float> Z;  // station coordinates, mm
    std::vector<std::vector<float>> T; // nz rows of p + q values
    RotorModel rotor;

    // Block 5 value j (from 1): 0 where the file ended before it.
    float block5Value(qint64 j) const;
    // T(i, j), both from 1: 0 for a value the file did not deliver.
    float table(qint64 i, qint64 j) const;
};

// Reads the model file and the rotor model file. A model file that cannot
// be opened keeps the previous model; any later failure keeps what was read.
// Returns where the model file's reading stopped.
ReaderDiagnostic ReadLendrixModel(const QString& modelPath, const QString& rotorPath, LendrixModel& model);
// The model file alone, from text in memory.
ReaderDiagnostic ReadLendrixModelText(const QString& name, const QString& text, LendrixModel& model);

// The legend's frequency texts, entries 1 .. p + q at indexes 0 .. p + q - 1:
// "0" for the physical columns, the natural frequency in Hz of each modal
// degree of freedom, "-" for a negative block 5 value, which has none.
// Nullopt when there are more modal columns than block 5 has values.
std::optional<QStringList> FrequencyText(const LendrixModel& model);

} // namespace kavel
