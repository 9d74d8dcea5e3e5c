#include "filecopy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

bool replaceWithCopy(const QString& target, const QString& source)
{
    const QDateTime replaced = QFileInfo(target).lastModified();
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return false;
    QFile::setPermissions(target,
                          QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    QFile copy(target);
    if (replaced.isValid() && QFileInfo(target).lastModified() <= replaced &&
        copy.open(QIODevice::ReadWrite))
        copy.setFileTime(replaced.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}

bool isSameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}
