#pragma once

#include "jobcommand.h"

namespace kavel {

// Whether a start succeeded; when not, a message that names what could not
// be started.
struct StartResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Starts the launcher's jobs and programs. Nothing started is waited for or
// watched: a result says only whether the process could be started.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    // A job with no window of its own.
    virtual StartResult startHidden(const JobCommand& command) = 0;
    // A job in a window of its own, as a command prompt would show it.
    virtual StartResult startVisible(const JobCommand& command) = 0;
    // A program by its path (a C:\Kavel\ path is taken under the
    // installation root).
    virtual StartResult startProgram(const ProgramCommand& command) = 0;
};

} // namespace kavel
