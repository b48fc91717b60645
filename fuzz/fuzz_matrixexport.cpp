#include "launcher/outmatrix.h"

#include "framework/models/quasimodalmodel.h"
#include "framework/reading/textfile.h"

#include <cstddef>
#include <cstdint>

// The launcher's matrix export up to its files' bytes: a model file of any
// content reads (counts as free items, every block kept) within what its
// counts and its size allow, and the six files are laid out in memory
// whatever was read. Writing them is left out: it adds nothing but disk.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::QuasiModalModel model;
    const kavel::ReaderDiagnostic diagnostic = kavel::ReadQuasiModalModelText(QStringLiteral("lendrix.mac"), text, model);
    const bool complete = diagnostic.complete();
    for (int b = 1; b <= 8; ++b) {
        const kavel::ModelBlock& block = model.block[b];
        const qint64 declared = block.rows * block.cols;
        if (block.rows < 0 || block.cols < 0 || qint64(block.x.size()) > declared || (complete && qint64(block.x.size()) != declared))
            __builtin_trap();
    }
    if (model.Z.size() > std::size_t(model.nz) || model.T.size() > std::size_t(model.nz)
        || (complete && (qint64(model.Z.size()) != model.nz || qint64(model.T.size()) != model.nz)))
        __builtin_trap();
    for (const std::vector<float>& row : model.T) {
        if (qint64(row.size()) != model.p + model.q)
            __builtin_trap();
    }

    QString error;
    const std::vector<kavel::MatrixFile> files = kavel::FormatMatrixFiles(model, &error);
    if (error.isEmpty() ? files.size() != 6 : files.size() > 2)
        __builtin_trap();
    return 0;
}
