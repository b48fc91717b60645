#pragma once

#include "resultinputs.h"

#include <QByteArray>
#include <QString>

namespace kavel {

// What a viewer remembers of its results between starts, in a file of its
// own beside the working settings (never in them): the inputs, whether the
// results are marked on the chart, whether the results panel is open.
struct ResultsState {
    ResultInputs inputs;
    bool panelOpen = false;
    bool operator==(const ResultsState&) const = default;
};

// The file: one option a line, NAME=VALUES as the command line gives it
// (orders=1,2), for the inputs the viewer takes, then panel=0|1; CR LF line
// ends. An empty value is an input not given (operating= for no range).
QByteArray FormatResultsState(const ResultsState& state, ResultInputKinds kinds);

// Whatever the file holds, it reads without harm: a line that is not an
// option of this viewer, or whose values do not fit, leaves that input as
// it was in `defaults`; the last line of a name counts.
ResultsState ParseResultsState(const QString& text, ResultInputKinds kinds, const ResultsState& defaults = {});

// The file at `path`; the defaults when it is missing or cannot be read.
ResultsState ReadResultsState(const QString& path, ResultInputKinds kinds, const ResultsState& defaults = {});
// Replaced whole or not at all. Empty on success, else a message naming
// the file.
QString WriteResultsState(const QString& path, const ResultsState& state, ResultInputKinds kinds);

} // namespace kavel
