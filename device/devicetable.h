#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One supported keyboard, as the embedded device table describes it.
struct DeviceEntry
{
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0; // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0; // event interface
    quint16 usage2 = 0;
    QString name; // from the application settings, not from the table
    quint32 reportLength = 0;
};

using DeviceTable = QList<DeviceEntry>;

// The embedded device table, at the resource root.
inline constexpr char DeviceTableResource[] = ":/DevInfo.ini";

// Reads the table afresh. Entry N is INI group "N", N below "common/total"
// (read again before every entry); its name is productNames[N] or "".
// A missing file or count gives an empty table.
DeviceTable readDeviceTable(const QString& path, const QStringList& productNames);

// Hexadecimal text without prefix as 16 bits; anything that is not a
// hexadecimal number gives 0.
quint16 parseHex16(const QString& text);
