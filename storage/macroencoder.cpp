#include "macroencoder.h"

#include <QByteArray>

using namespace MacroFormat;

namespace {

void appendWord(QList<uchar>& bytes, uchar high, uchar low)
{
    bytes << high << low;
}

void appendKeyStep(QList<uchar>& bytes, uchar kind, const QString& name,
                   const QMap<QString, quint8>& keyNames)
{
    const quint8 code = keyNames.value(name, 0);
    if (code != 0)
        appendWord(bytes, kind, code);
}

void appendDelayStep(QList<uchar>& bytes, const QString& value)
{
    const uint milliseconds = value.toUInt(); // 0 when not a number
    if (milliseconds == 0)
        return;
    const quint16 units = quint16(milliseconds / DelayUnitMs);
    appendWord(bytes, DelayWord[0], DelayWord[1]);
    appendWord(bytes, uchar(units >> 8), uchar(units & 0xFF));
}

} // namespace

QList<uchar> encodeMacro(const QStringList& steps, const QMap<QString, quint8>& keyNames)
{
    QList<uchar> bytes;
    appendWord(bytes, HeaderWord[0], HeaderWord[1]);
    for (const QString& step : steps) {
        if (step.size() < CommandFieldLength)
            continue;
        const QString command = step.right(CommandFieldLength);
        const QString value = step.left(step.size() - CommandFieldLength);
        if (command == DownField)
            appendKeyStep(bytes, KeyDown, value, keyNames);
        else if (command == UpField)
            appendKeyStep(bytes, KeyUp, value, keyNames);
        else if (command == DelayField)
            appendDelayStep(bytes, value);
    }
    appendWord(bytes, EndWord[0], EndWord[1]);
    return bytes;
}

QByteArray macroBuffer(const QList<uchar>& encoded)
{
    QByteArray buffer(BufferLength, 0);
    const int length = int(qMin<qsizetype>(encoded.size(), BufferLength));
    for (int i = 0; i < length; ++i)
        buffer[i ^ 1] = char(encoded[i]);
    return buffer;
}
