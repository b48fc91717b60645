#pragma once

#include <QStringList>

class QTextStream;

namespace kavel {

// `kavel-export matrices [--root DIR] [--data FILE] [--out-dir DIR]`: the
// launcher's matrix export without its window. Reads c:\Kavel\data\lendrix.mac
// (or FILE) and writes the six matrix files into c:\Kavel\data\ (or DIR).
// Returns 0 when all six were written, 1 with a message naming the model file
// and where it stopped (or the file not written), 2 on a usage error (a
// root that is none, a --data file that does not exist).
int runMatricesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Its usage, the command line and what it does, for both commands' --help.
QString matricesUsage();

} // namespace kavel
