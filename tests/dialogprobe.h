#pragma once

// The user's side of the program's file choosers and warnings for Qt Quick
// tests: the file the next chooser answers with, what was shown, and the
// user's own files, kept in a folder outside the program's data tree.
#include "scripteddialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QVariantList>

class DialogProbe : public QObject, public ScriptedDialogs
{
    Q_OBJECT

public:
    // The next chooser's answer; "" cancels it.
    Q_INVOKABLE void answer(const QString& file) { nextFile = file; }
    // "caption|filter" of every chooser and "title|text" of every warning.
    Q_INVOKABLE QStringList shownChoosers() const { return captions; }
    Q_INVOKABLE QStringList shownWarnings() const { return warnings; }
    Q_INVOKABLE void clear()
    {
        nextFile.clear();
        captions.clear();
        warnings.clear();
    }

    // Writes `text` (UTF-8), `repeat` times over, as the user's file `name`;
    // returns its path.
    Q_INVOKABLE QString writeText(const QString& name, const QString& text, int repeat = 1)
    {
        return write(name, text.toUtf8().repeated(repeat));
    }
    // The same with bytes given as numbers 0 … 255.
    Q_INVOKABLE QString writeBytes(const QString& name, const QVariantList& bytes)
    {
        QByteArray data;
        for (const QVariant& b : bytes)
            data += char(b.toInt());
        return write(name, data);
    }

    // A file's bytes as Latin-1 text; "" when it cannot be read.
    Q_INVOKABLE QString readText(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    Q_INVOKABLE bool exists(const QString& path) const { return QFile::exists(path); }
    Q_INVOKABLE QString userFolder() const { return userFiles.path(); }

    // Every file below `directory` (default: the user's folder) as
    // "relative path, SHA-1 of its bytes", sorted.
    Q_INVOKABLE QStringList tree(const QString& directory = QString()) const
    {
        const QDir root(directory.isEmpty() ? userFiles.path() : directory);
        QStringList files;
        QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            files << root.relativeFilePath(file.fileName()) + ' ' +
                         QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        }
        files.sort();
        return files;
    }

private:
    QString write(const QString& name, const QByteArray& data)
    {
        const QString path = userFiles.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(data);
        return path;
    }

    QTemporaryDir userFiles;
};
