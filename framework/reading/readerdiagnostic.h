#pragma once

#include <QString>

namespace kavel {

// Where a reader stopped and why. The viewers stay silent about a file that
// breaks off (the chart shows what was read), but whoever asks can learn it.
struct ReaderDiagnostic {
    QString file;
    int line = 0;       // 1-based line of the failure, 0 when the file did not open
    int field = 0;      // 1-based field within the read, 0 when not about a field
    QString reason;     // empty when the file was read to its end

    bool complete() const { return reason.isEmpty(); }
    // A file left unread because the one before it was not read whole.
    static ReaderDiagnostic notRead(const QString& file, const QString& before);
    QString toString() const;
};

} // namespace kavel
