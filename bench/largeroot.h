#pragma once

#include <QString>
#include <vector>

namespace kavel::LargeFiles {

// One viewer's large result under its file name in data/.
struct DataFile {
    QString viewer;   // as kavel-export names it
    QString fileName; // in ROOT/data/
    const QString& (*text)();
};

// Every viewer's, in the suite's order.
const std::vector<DataFile>& dataFiles();

// Writes the large set as an installation root in `dir`: every result in
// data/ and every viewer's working and factory settings fitted to it.
// Empty on success, else a message naming the file.
QString writeRoot(const QString& dir);

} // namespace kavel::LargeFiles
