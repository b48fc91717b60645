#pragma once

#include <QString>
#include <functional>

class QProcess;

namespace kavel::test {

// Starts a viewer program on the offscreen platform under the current
// installation root; false when it did not start.
bool launchViewerProgram(QProcess& process, const QString& path);
// Waits until `process` holds the single-instance lock of `program`
// ("SAVLEN"); false when it ends or takes too long.
bool holdsLock(QProcess& process, const QString& program);

// Runs the event loop until `done` holds or `milliseconds` have passed.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000);

} // namespace kavel::test
