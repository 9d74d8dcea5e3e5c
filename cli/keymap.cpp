#include "keymap.h"

namespace {

// Per drawn key six values: x, y, key type, label, matrix slot, factory code.
constexpr int DrawingHeader = 2;
constexpr int ValuesPerKey = 6;
constexpr int LabelAt = 3, SlotAt = 4, CodeAt = 5;
constexpr quint16 CategoryMask = 0xF000;
constexpr quint16 UsageMask = 0x00FF;
// A damaged definition's slot count stops here, as on the key page: the
// key matrix is sized by it.
constexpr int MaxSlots = 256;

} // namespace

KeyMap::KeyMap(const QVariantList& drawing, const QVariantList& usbStr, const QVariantList& usbCode)
{
    const int count = drawing.value(0).toInt();
    slotCount = qBound(0, drawing.value(1).toInt(), MaxSlots);
    for (int i = 0; i < qMin(usbStr.size(), usbCode.size()); ++i) {
        names << usbStr[i].toString();
        usages << int(usbCode[i].toUInt() & UsageMask);
    }
    for (int k = 0; k < count; ++k) {
        const int at = DrawingHeader + ValuesPerKey * k;
        Key key;
        key.slot = drawing.value(at + SlotAt).toInt();
        key.defaultCode = quint16(drawing.value(at + CodeAt).toUInt());
        key.name = (key.defaultCode & CategoryMask) == 0 ? usageName(key.defaultCode & UsageMask)
                                                         : QString();
        if (key.name.isEmpty())
            key.name = drawing.value(at + LabelAt).toString();
        if (key.slot >= 0 && key.slot < slotCount)
            drawnKeys << key;
    }
}

QStringList KeyMap::keyNames() const
{
    QStringList result;
    for (const Key& key : drawnKeys)
        result << key.name;
    return result;
}

int KeyMap::find(const QStringList& candidates, const QString& name)
{
    for (int i = 0; i < candidates.size(); ++i)
        if (candidates[i] == name)
            return i;
    int found = -1;
    for (int i = 0; i < candidates.size(); ++i) {
        if (candidates[i].compare(name, Qt::CaseInsensitive) == 0) {
            if (found >= 0 && candidates[found] != candidates[i])
                return -1; // "a" and "A" both exist: only the exact name counts
            found = i;
        }
    }
    return found;
}

const KeyMap::Key* KeyMap::key(const QString& name) const
{
    const int index = find(keyNames(), name);
    return index >= 0 ? &drawnKeys[index] : nullptr;
}

int KeyMap::usage(const QString& name) const
{
    const int index = find(names, name);
    return index >= 0 ? usages[index] : -1;
}

QString KeyMap::usageName(int usage) const
{
    const int index = usages.lastIndexOf(usage);
    return index >= 0 ? names[index] : QString();
}

QList<quint16> KeyMap::defaultCodes() const
{
    QList<quint16> codes(slotCount, 0);
    for (const Key& key : drawnKeys)
        codes[key.slot] = key.defaultCode;
    return codes;
}
