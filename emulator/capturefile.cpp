#include "capturefile.h"

#include "virtualkeyboard.h"

bool CaptureFile::open(const QString& path)
{
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

void CaptureFile::attach(VirtualKeyboard& keyboard)
{
    keyboard.setCaptureSink([this](const CapturedReport& report) {
        const QByteArray line = formatCaptureLine(report).toLatin1() + '\n';
        QMutexLocker lock(&mutex);
        file.write(line);
        file.flush();
    });
}
