#include "datafilecheck.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>

namespace {

constexpr int KeyPositions = 128; // one "keydefine<L>/<m>" entry per key matrix position

bool isWrittenText(const QByteArray& bytes)
{
    if (bytes.isEmpty() || !bytes.endsWith('\n'))
        return false;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        // QSettings escapes the C0 controls it writes but not DEL (7F), so
        // DEL may stand in a file the program wrote.
        if (byte < 0x20 && c != '\n' && c != '\r' && c != '\t')
            return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !text.isEmpty() && !utf8.hasError();
}

// Keys "<group>/0" … "<group>/<count-1>" all present. A count beyond the
// group's keys fails at once, however large.
bool hasAll(QSettings& file, const QString& group, int count)
{
    file.beginGroup(group);
    const qsizetype keys = file.childKeys().size();
    file.endGroup();
    if (count > keys)
        return false;
    for (int i = 0; i < count; ++i)
        if (!file.contains(group + '/' + QString::number(i)))
            return false;
    return true;
}

bool readCount(const QSettings& file, const QString& key, int& count)
{
    bool ok = false;
    count = file.value(key, 0).toInt(&ok);
    return ok && count >= 0;
}

bool isComplete(QSettings& file, DataFileKind kind)
{
    int count = 0;
    switch (kind) {
    case DataFileKind::Settings:
        return file.contains("common/total") && readCount(file, "common/total", count) &&
               hasAll(file, "common", count);
    case DataFileKind::Profile:
        for (const QString& group : file.childGroups())
            if (group.startsWith("keydefine") && !hasAll(file, group, KeyPositions))
                return false;
        return true;
    case DataFileKind::Macro:
        return readCount(file, "config/total", count) && hasAll(file, "macro", count);
    }
    return false;
}

} // namespace

bool isDamagedDataFile(const QString& path, DataFileKind kind)
{
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly) || !isWrittenText(file.readAll()))
        return true;
    QSettings settings(path, QSettings::IniFormat);
    return settings.status() != QSettings::NoError || !isComplete(settings, kind);
}
