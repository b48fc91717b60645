#include "chosenfile.h"

namespace kavel {

bool IsDriveRoot(const QString& directory)
{
    return directory.endsWith(QLatin1Char('\\')) || directory.endsWith(QLatin1Char('/'));
}

QString ChosenFilePath(const QString& directory, const QString& fileName)
{
    if (IsDriveRoot(directory))
        return directory + fileName;
    // A path from "/" has the host's separator; a drive letter's has "\".
    const QChar separator = directory.startsWith(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('\\');
    return directory + separator + fileName;
}

} // namespace kavel
