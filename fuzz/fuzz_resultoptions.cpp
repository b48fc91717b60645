#include "framework/results/resultinputs.h"
#include "framework/reading/textfile.h"
#include "framework/results/resultsstate.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

const kavel::ResultInputKinds kEveryInput = kavel::ResultInput::Orders | kavel::ResultInput::Operating | kavel::ResultInput::Stiffness
    | kavel::ResultInput::CurveKind | kavel::ResultInput::Markers;

[[noreturn]] void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "%s %s\n", what, qPrintable(detail));
    __builtin_trap();
}

} // namespace

// The input is a results file, one option a line as the command line gives
// it (NAME=VALUE[,VALUE...]). Any values are taken or refused without harm,
// a refused value changes nothing, and the file the window then writes reads
// back to the same state.
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
        if (!error.isEmpty() && !(inputs == before))
            fail("refused values changed the inputs:", error);
    }

    const kavel::ResultsState state = kavel::ParseResultsState(text, kEveryInput);
    const QByteArray written = kavel::FormatResultsState(state, kEveryInput);
    if (!(kavel::ParseResultsState(kavel::TextFile::decode(written), kEveryInput) == state))
        fail("the written results file reads back differently:", QString::fromUtf8(written));
    return 0;
}
