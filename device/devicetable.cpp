#include "devicetable.h"

#include <QSettings>

quint16 parseHex16(const QString& text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 16);
    return ok ? static_cast<quint16>(value) : 0;
}

namespace {

quint16 readHex(const QSettings& table, const QString& key)
{
    return parseHex16(table.value(key).toString());
}

DeviceEntry readEntry(const QSettings& table, int n, const QStringList& productNames)
{
    const QString group = QString::number(n) + QLatin1Char('/');
    DeviceEntry entry;
    entry.vid = readHex(table, group + "vid");
    entry.pid = readHex(table, group + "pid");
    entry.usagePage = readHex(table, group + "usagePage");
    entry.usage = readHex(table, group + "usage");
    entry.usagePage2 = readHex(table, group + "usagePage2");
    entry.usage2 = readHex(table, group + "usage2");
    entry.name = productNames.value(n);
    entry.reportLength = table.value(group + "reportLength", 0).toUInt();
    return entry;
}

} // namespace

DeviceTable readDeviceTable(const QString& path, const QStringList& productNames)
{
    const QSettings table(path, QSettings::IniFormat);
    DeviceTable result;
    for (int n = 0; n < table.value("common/total", 0).toInt(); ++n)
        result.append(readEntry(table, n, productNames));
    return result;
}
