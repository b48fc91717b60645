#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace kavel {

// `kavel-export book [--root DIR] [--surface printer|screen]
// [--option VIEWER.NAME=VALUE[,VALUE…]]… -o OUT.pdf`: every built viewer's
// chart of the root in the suite's order, one page each, after a first page
// naming the files read, with a bookmark per viewer. A viewer whose data
// file is missing is left out with a warning. Returns 0 when the book was
// written, 1 when nothing could be drawn or the file not written, 2 on a
// usage error.
int runBookCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString bookUsage();

} // namespace kavel
