#pragma once

#include <QString>

namespace kavel {

// Whether Dir1's path is the root of a drive ("C:\", or "/" on a host with
// one file tree): the one directory path that ends with its separator.
bool IsDriveRoot(const QString& directory);

// The full path of the file chosen in File1 inside Dir1's directory: the
// directory, its separator and the file name, with no separator added
// after a drive root, which has its own ("C:\A.DAT", "C:\WORK\A.DAT").
QString ChosenFilePath(const QString& directory, const QString& fileName);

} // namespace kavel
