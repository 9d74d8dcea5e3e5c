#include "filecopy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

bool copyContents(QFile& from, QSaveFile& to)
{
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(ChunkSize);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError)
            return false;
        if (to.write(chunk) != chunk.size())
            return false;
    }
    return from.error() == QFileDevice::NoError;
}

} // namespace

bool replaceWithCopy(const QString& target, const QString& source)
{
    const QDateTime replaced = QFileInfo(target).lastModified();
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly) || !copyContents(from, to) || !to.flush()) {
        to.cancelWriting();
        return false;
    }
    // Mode and time are set on the temporary file, so the renamed file comes
    // complete with both.
    to.setPermissions(from.permissions() | QFile::ReadOwner | QFile::WriteOwner);
    const QDateTime written = to.fileTime(QFileDevice::FileModificationTime);
    if (replaced.isValid() && written.isValid() && written <= replaced)
        to.setFileTime(replaced.addMSecs(1), QFileDevice::FileModificationTime);
    return to.commit();
}

bool isSameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}
