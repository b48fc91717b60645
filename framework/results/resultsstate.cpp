#include "resultsstate.h"

#include "framework/host/atomicfile.h"
#include "framework/reading/textfile.h"

#include <array>

namespace kavel {

namespace {

const QString kPanel = QStringLiteral("panel");

constexpr std::array kInputs { ResultInput::Orders, ResultInput::Operating, ResultInput::Stiffness, ResultInput::CurveKind, ResultInput::Markers };

} // namespace

QByteArray FormatResultsState(const ResultsState& state, ResultInputKinds kinds)
{
    QString text;
    for (const ResultInput input : kInputs) {
        if (kinds.testFlag(input))
            text += ResultOptions::name(input) + QLatin1Char('=') + ResultOptions::values(state.inputs, input) + QStringLiteral("\r\n");
    }
    text += kPanel + (state.panelOpen ? QStringLiteral("=1\r\n") : QStringLiteral("=0\r\n"));
    return text.toUtf8();
}

ResultsState ParseResultsState(const QString& text, ResultInputKinds kinds, const ResultsState& defaults)
{
    ResultsState state = defaults;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const qsizetype split = line.indexOf(QLatin1Char('='));
        if (split <= 0)
            continue;
        const QString name = line.left(split).toString();
        const QString values = line.mid(split + 1).toString();
        if (name == kPanel) {
            if (values == QLatin1String("0") || values == QLatin1String("1"))
                state.panelOpen = values == QLatin1String("1");
            continue;
        }
        if (const std::optional<ResultInput> input = ResultOptions::inputNamed(name, kinds)) {
            // A refused value leaves the input as it was.
            (void)ResultOptions::set(state.inputs, *input, values.split(QLatin1Char(',')));
        }
    }
    return state;
}

ResultsState ReadResultsState(const QString& path, ResultInputKinds kinds, const ResultsState& defaults)
{
    const std::optional<QString> text = TextFile::read(path);
    return text ? ParseResultsState(*text, kinds, defaults) : defaults;
}

QString WriteResultsState(const QString& path, const ResultsState& state, ResultInputKinds kinds)
{
    return AtomicFile::replace(path, FormatResultsState(state, kinds));
}

} // namespace kavel
