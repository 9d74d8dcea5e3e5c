#pragma once

#include "dataroots.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// The macro library: one INI file per macro, "<directory>/<name>.bin", with
// the steps and a small "config" group (keyboard slot, play mode, device).
// A macro name is a file name, never a path: every operation refuses a name
// that is empty, "." or "..", or contains "/" or "\", and changes nothing.
// GUI thread only.
class MacroLibrary
{
public:
    explicit MacroLibrary(const QString& directory = DataRoots::current().macroDirectory());

    // "Macro. 001" … : the default name of number n, at least three digits.
    static QString defaultName(int number);

    // The file of macro `name`; empty when the name is refused.
    QString fileFor(const QString& name) const;
    bool exists(const QString& name) const;

    // File names ("*.bin", suffix included), sorted ignoring case.
    QStringList fileNames() const;

    // Start-up repair: afterwards every slot 0 … slotCount-1 has exactly one file
    // and no file has another index. Of files sharing a slot the first in
    // listing order keeps it; the others, and files without a valid slot, are
    // deleted. A free slot gets a new file under its default name, or under
    // the next free default name when that one holds another slot.
    void repair(int slotCount);

    QString create();                             // a new file without slot; its name
    bool remove(const QString& name);             // true when a file was deleted
    QStringList steps(const QString& name) const; // empty without file
    bool saveSteps(const QString& name, const QStringList& steps); // false without file
    int slotOf(const QString& name) const;                         // -1 without file or slot
    QVariantList config(const QString& name) const;                // [slot, play mode] or empty
    // Writes slot and play mode (the first two items) and the device id.
    void setConfig(const QString& name, const QVariantList& config, uint deviceId);
    bool rename(const QString& oldName, const QString& newName); // never replaces a file
    // Replaces the macro's existing file by a copy of `source`; choosing the
    // macro's own file changes nothing.
    bool importFrom(const QString& name, const QString& source);
    // Copies the macro's file to `target`; an existing target is kept.
    bool exportTo(const QString& name, const QString& target) const;

    // The first file since the last call that could not be written (a full
    // or read-only folder; the file kept its previous contents, or was not
    // made), then forgets it; empty when every write reached the disk.
    QString takeWriteFailure();

private:
    void writeNewFile(const QString& path, int slot);
    bool noteWrite(bool written, const QString& path);

    QString writeFailure;

    QString directory;
};
