#include "framework/results/resultinputs.h"
#include "framework/reading/textfile.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

const kavel::ResultInputKinds kEveryInput = kavel::ResultInput::Orders | kavel::ResultInput::Operating | kavel::ResultInput::Stiffness
    | kavel::ResultInput::CurveKind | kavel::ResultInput::Markers;

} // namespace

// Each line is an option as the command line and the results file give
// it, NAME=VALUE[,VALUE...]. Any values are taken or refused without harm,
// and what is taken reads back from its own text to the same inputs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = kavel::TextFile::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    kavel::ResultInputs inputs;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype split = line.indexOf(QLatin1Char('='));
        const std::optional<kavel::ResultInput> input = kavel::ResultOptions::inputNamed(line.left(split), kEveryInput);
        if (split <= 0 || !input)
            continue;
        const kavel::ResultInputs before = inputs;
        const QString error = kavel::ResultOptions::set(inputs, *input, line.mid(split + 1).split(QLatin1Char(',')));
        if (!error.isEmpty() && !(inputs == before)) {
            std::fprintf(stderr, "refused values changed the inputs: %s\n", qPrintable(error));
            __builtin_trap();
        }
    }
    kavel::ResultInputs back;
    for (const kavel::ResultInput input : { kavel::ResultInput::Orders, kavel::ResultInput::Operating, kavel::ResultInput::Stiffness,
             kavel::ResultInput::CurveKind, kavel::ResultInput::Markers }) {
        const QString error = kavel::ResultOptions::set(back, input, kavel::ResultOptions::values(inputs, input).split(QLatin1Char(',')));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "written values read back refused: %s\n", qPrintable(error));
            __builtin_trap();
        }
    }
    if (!(back == inputs)) {
        std::fprintf(stderr, "written values read back differently\n");
        __builtin_trap();
    }
    return 0;
}
