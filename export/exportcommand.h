#pragma once

#include <QStringList>

class QTextStream;

namespace kavel {

// The whole command line of kavel-export after the program name: the chart
// export (`kavel-export VIEWER … -o OUT`) and, later, its subcommands.
// Messages go to `err` as single lines prefixed "kavel-export: "; the usage
// text of --help to `out`. Returns the exit status (ExportStatus).
int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace kavel
