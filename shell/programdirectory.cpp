#include "programdirectory.h"

#include <QDir>

QString programDirectoryOf(const QString& applicationFilePath)
{
    const int lastSlash = applicationFilePath.lastIndexOf(QLatin1Char('/'));
    if (lastSlash < 0)
        return QString();
    return applicationFilePath.left(qMax(lastSlash, 1));
}

bool enterProgramDirectory(const QString& applicationFilePath)
{
    const QString directory = programDirectoryOf(applicationFilePath);
    return !directory.isEmpty() && QDir::setCurrent(directory);
}
