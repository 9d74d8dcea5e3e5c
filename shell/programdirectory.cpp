#include "programdirectory.h"

#include <QDir>

bool enterProgramDirectory(const QString& applicationFilePath)
{
    const int lastSlash = applicationFilePath.lastIndexOf(QLatin1Char('/'));
    if (lastSlash < 0)
        return false;
    return QDir::setCurrent(applicationFilePath.left(qMax(lastSlash, 1)));
}
