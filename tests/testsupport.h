#pragma once

// Small helpers shared by the tests and benchmarks.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// "00 21 02" → the bytes 0x00 0x21 0x02; spaces are ignored.
inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Copies the directory tree `from` into `to`, creating it.
inline void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& file : source.entryList(QDir::Files))
        QFile::copy(source.filePath(file), to + '/' + file);
    for (const QString& dir : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyTree(source.filePath(dir), to + '/' + dir);
}

// Makes `copy` a copy of the program's data tree (the current directory's
// `modules/`, without the user's profiles and macros) and enters it, so that
// what a test's program writes stays there.
inline void enterDataCopy(const QString& copy)
{
    const QString shipped = QDir::current().filePath("modules");
    for (const char* dir : {"setting", "i18n", "media", "img"})
        copyTree(shipped + '/' + dir, copy + "/modules/" + dir);
    for (const QString& profile : QDir(copy + "/modules/setting").entryList({"p[0-9]*.bin"}))
        QFile::remove(copy + "/modules/setting/" + profile);
    QDir(copy).mkpath("modules/macro");
    QDir::setCurrent(copy);
}
