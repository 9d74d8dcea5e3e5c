#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The keys of the keyboard and the names of standard keys, as the key page
// has them: the drawing of the hardware definition (matrix slot and factory
// code of every drawn key) and the key-code definition's names and usages.
// A drawn key is named by the name of its factory code, or by its cap label
// when that code has no name.
class KeyMap
{
public:
    struct Key
    {
        QString name;
        int slot = 0;
        quint16 defaultCode = 0;
    };

    // The lists of the backend's loadHWDef, loadUsbStr and loadUsbCode.
    KeyMap(const QVariantList& drawing, const QVariantList& usbStr, const QVariantList& usbCode);

    int matrixSlots() const { return slotCount; }
    const QList<Key>& keys() const { return drawnKeys; }
    QStringList keyNames() const;

    // Names match exactly, else ignoring case when that finds a single one.
    const Key* key(const QString& name) const;
    int usage(const QString& name) const; // -1 when no standard key has that name
    QString usageName(int usage) const;   // empty when unnamed
    QStringList usageNames() const { return names; }

    // Every slot's factory code; slotCount without a drawn key 0.
    QList<quint16> defaultCodes() const;

private:
    static int find(const QStringList& candidates, const QString& name);

    int slotCount = 0;
    QList<Key> drawnKeys;
    QStringList names;
    QList<int> usages;
};
