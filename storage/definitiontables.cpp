#include "definitiontables.h"

#include <QSettings>
#include <QStringList>

namespace {

constexpr int ItemsPerKey = 6;
// The shipped drawings have about 105 keys; a damaged count must not exhaust
// memory. Keys beyond this many are not read.
constexpr int MaxDrawnKeys = 1024;
enum KeyItem
{
    X,
    Y,
    KeyType,
    Label,
    MatrixSlot,
    FactoryCode
};

QStringList commonList(const QString& path, const QString& key)
{
    const QSettings definition(path, QSettings::IniFormat);
    return definition.value("common/" + key).toStringList();
}

} // namespace

HardwareLimits readHardwareLimits(const QString& path)
{
    const QSettings definition(path, QSettings::IniFormat);
    HardwareLimits limits;
    limits.kbLayoutType = quint8(definition.value("common/kbLayoutType", 0).toUInt());
    limits.maxMacro =
        quint8(qMin(definition.value("common/maxMacro", 0).toUInt(), HardwareLimits::MaxMacros));
    limits.maxProfile = quint8(
        qMin(definition.value("common/maxProfile", 0).toUInt(), HardwareLimits::MaxProfiles));
    return limits;
}

QVariantList readHardwareDrawing(const QString& path, quint8 layout)
{
    const QSettings definition(path, QSettings::IniFormat);
    const QString group = QString::number(layout) + QLatin1Char('/');
    const int keys = qMin(definition.value(group + "total_HW", 0).toInt(), MaxDrawnKeys);
    QVariantList result{keys, definition.value(group + "total_FW", 0).toInt()};
    for (int n = 1; n <= keys; ++n) {
        const QStringList items = definition.value(group + QString::number(n)).toStringList();
        result << items.value(X).toInt() << items.value(Y).toInt() << items.value(KeyType).toInt()
               << items.value(Label) << items.value(MatrixSlot).toInt()
               << items.value(FactoryCode).toUInt();
    }
    Q_ASSERT(result.size() == 2 + ItemsPerKey * qMax(keys, 0));
    return result;
}

QVariantList readKeyCodeList(const QString& path, const QString& key)
{
    QVariantList result;
    for (const QString& item : commonList(path, key))
        result.append(item);
    return result;
}

QMap<QString, quint8> readKeyNameTable(const QString& path)
{
    const QStringList names = commonList(path, "usbStr");
    const QStringList codes = commonList(path, "usbCode");
    QMap<QString, quint8> table;
    for (int i = 0; i < qMin(names.size(), codes.size()); ++i)
        table.insert(names[i], quint8(codes[i].toUInt()));
    return table;
}
