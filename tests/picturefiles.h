#pragma once

// Picture files a user could pick as a background, for Qt Quick tests: real
// PNG files of any size, cut short on request, in a folder outside the
// program's data tree.
#include <QFile>
#include <QImage>
#include <QObject>
#include <QTemporaryDir>

class PictureFiles : public QObject
{
    Q_OBJECT

public:
    // A width x height PNG named `name`, one colour; cut to its first
    // `keepBytes` bytes when that is not negative. Returns its path.
    // Pictures above 4096 pixels a side are stored with one bit a pixel, so
    // that writing them costs little memory.
    Q_INVOKABLE QString write(const QString& name, int width, int height, int keepBytes = -1)
    {
        const bool large = width > 4096 || height > 4096;
        QImage image(width, height, large ? QImage::Format_Mono : QImage::Format_RGB32);
        image.fill(large ? 1 : qRgb(200, 40, 160));
        const QString path = folder.filePath(name);
        if (!image.save(path, "PNG"))
            return QString();
        if (keepBytes >= 0) {
            QFile file(path);
            if (!file.open(QIODevice::ReadWrite) || !file.resize(keepBytes))
                return QString();
        }
        return path;
    }

    Q_INVOKABLE bool remove(const QString& path) { return QFile::remove(path); }

private:
    QTemporaryDir folder;
};
