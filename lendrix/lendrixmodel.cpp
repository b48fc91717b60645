#include "lendrixmodel.h"

#include "framework/models/quasimodalmodel.h"
#include "framework/reading/numbertext.h"

#include <cmath>

namespace kavel {

namespace {

void take(QuasiModalModel&& read, LendrixModel& model)
{
    model.FileComment = read.title;
    model.L3 = read.block[3].rows;
    model.block3 = std::move(read.block[3].x);
    model.L5 = read.block[5].rows;
    model.block5 = std::move(read.block[5].x);
    model.p = read.p;
    model.q = read.q;
    model.nz = read.nz;
    model.Z = std::move(read.Z);
    model.T = std::move(read.T);
}

ReaderDiagnostic readModelFile(QuasiModalModel& read, LendrixModel& model, ReaderDiagnostic diagnostic)
{
    // A file that did not open leaves the model as it was.
    if (!diagnostic.complete() && diagnostic.line == 0)
        return diagnostic;
    take(std::move(read), model);
    return diagnostic;
}

constexpr QuasiModalReading kLendrixReading { .countsByColumn = true, .keepMatrixBlocks = false };

} // namespace

float LendrixModel::block5Value(qint64 j) const
{
    return j >= 1 && j <= qint64(block5.size()) ? block5[std::size_t(j - 1)] : 0.0f;
}

float LendrixModel::table(qint64 i, qint64 j) const
{
    if (i < 1 || i > qint64(T.size()))
        return 0;
    const std::vector<float>& row = T[std::size_t(i - 1)];
    return j >= 1 && j <= qint64(row.size()) ? row[std::size_t(j - 1)] : 0.0f;
}

ReaderDiagnostic ReadLendrixModel(const QString& modelPath, const QString& rotorPath, LendrixModel& model)
{
    QuasiModalModel read;
    const ReaderDiagnostic diagnostic = ReadQuasiModalModel(modelPath, read, kLendrixReading);
    readModelFile(read, model, diagnostic);
    // The rotor file's own title is not shown: the comment is the model's.
    ReadRotorModel(rotorPath, model.rotor);
    return diagnostic;
}

ReaderDiagnostic ReadLendrixModelText(const QString& name, const QString& text, LendrixModel& model)
{
    QuasiModalModel read;
    return readModelFile(read, model, ReadQuasiModalModelText(name, text, read, kLendrixReading));
}

std::optional<QStringList> FrequencyText(const LendrixModel& model)
{
    if (model.q > model.L5)
        return std::nullopt;
    QStringList texts;
    texts.reserve(qsizetype(model.p + model.q));
    for (qint64 j = 1; j <= model.p; ++j)
        texts << QStringLiteral("0");
    for (qint64 j = 1; j <= model.q; ++j) {
        const double value = double(model.block5Value(j));
        if (value < 0) {
            texts << QStringLiteral("-");
            continue;
        }
        const float f = float(std::sqrt(value) / 6.28318530717958);
        texts << NumberText::general(double(f), NumberText::kSingleDigits);
    }
    return texts;
}

} // namespace kavel
