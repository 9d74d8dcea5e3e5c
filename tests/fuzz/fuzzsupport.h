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

// Writes an input to `path`. QSettings keeps a parsed file for as long as
// its size and time stay the same; every input's file gets a time of its
// own, a second later than the previous one, so that it is always read
// afresh.
inline void writeFile(const QString& path, const uint8_t* data, size_t size)
{
    static qint64 inputs = 0;
    static const QDateTime firstTime = QDateTime::fromSecsSinceEpoch(1000000000);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size) ||
        !file.flush() ||
        !file.setFileTime(firstTime.addSecs(++inputs), QFileDevice::FileModificationTime))
        qFatal("fuzz: cannot write %s", qPrintable(path));
}

} // namespace Fuzz
