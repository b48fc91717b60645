#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

namespace kavel {

// Files the suite writes (settings, exports, matrices, diagnostics) are
// replaced whole or not at all: written beside their place, flushed, and
// renamed over the old one only when every byte reached the disk.
namespace AtomicFile {

// Empty on success, else "PATH could not be written: why"; the old file is
// then as it was.
QString replace(const QString& path, const QByteArray& bytes);

// For a writer that streams into a QSaveFile: flushes it and commits it.
// QSaveFile's own commit() does not notice that its last buffer could not
// be written (a full disk) and would put the shortened file in place.
// Empty on success, else the reason, and the old file stays.
QString commit(QSaveFile& file);

} // namespace AtomicFile

} // namespace kavel
