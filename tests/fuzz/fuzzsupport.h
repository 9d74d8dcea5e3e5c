#pragma once

// Shared by the fuzz targets: the Qt application of the run, a scratch
// directory per input and writing an input to a file.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace Fuzz {

// From LLVMFuzzerInitialize: one QCoreApplication for the whole run, and Qt's
// messages dropped (the code under test logs every failed transfer and
// removed file, which would drown the fuzzer's own output). Fatal messages
// are printed and still abort.
inline void initialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
}

// The directory of the current input: one temporary directory of the
// process, emptied before every input, so that the same names come back and
// Qt's caches keep a fixed size.
inline QString freshDirectory()
{
    static QTemporaryDir root;
    QDir directory(root.path());
    directory.removeRecursively();
    directory.mkpath(QStringLiteral("."));
    return root.path();
}

// The next of the times given to files, a second after the previous one.
inline QDateTime nextFileTime()
{
    static qint64 files = 0;
    static const QDateTime firstTime = QDateTime::fromSecsSinceEpoch(1000000000);
    return firstTime.addSecs(++files);
}

// Writes an input to `path`. QSettings keeps a parsed file for as long as
// its size and time stay the same; every input's file gets a time of its
// own, so that it is always read afresh.
inline void writeFile(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size) ||
        !file.flush() || !file.setFileTime(nextFileTime(), QFileDevice::FileModificationTime))
        qFatal("fuzz: cannot write %s", qPrintable(path));
}

// Gives a file the program wrote a time of its own, so that the next QSettings
// on it parses what is on the disk rather than what the writer kept, as a
// program started afresh would.
inline void touch(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(nextFileTime(), QFileDevice::FileModificationTime))
        qFatal("fuzz: cannot touch %s", qPrintable(path));
}

} // namespace Fuzz
