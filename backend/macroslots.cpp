// The backend's macro-library slots and the macro encoder.
#include "dialogs.h"
#include "hid_thread.h"
#include "macroencoder.h"
#include "myqquickview.h"

#include <QFileInfo>

void myQQuickView::initMacroIni(uchar slotCount)
{
    macroLibrary.repair(slotCount);
    noteWrite(macroLibrary.takeWriteFailure());
}

QVariant myQQuickView::createMacroIni()
{
    const QString name = macroLibrary.create();
    noteWrite(macroLibrary.takeWriteFailure());
    return name;
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return macroLibrary.remove(name.toString());
}

QStringList myQQuickView::getMacroIniNames()
{
    return macroLibrary.fileNames();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros)
{
    const bool saved = macroLibrary.saveSteps(name.toString(), macros);
    noteWrite(macroLibrary.takeWriteFailure());
    if (!saved)
        return false;
    const int slot = macroLibrary.slotOf(name.toString());
    if (slot >= 0 && slot <= LastAutoDownloadSlot)
        ui_10H_SetMacroKey(slot, name);
    return true;
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return macroLibrary.steps(name.toString());
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name)
{
    return macroLibrary.config(name.toString());
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    macroLibrary.setConfig(name.toString(), config, hidThread ? hidThread->currentDevice() : 0);
    noteWrite(macroLibrary.takeWriteFailure());
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    macroLibrary.rename(oldName.toString(), newName.toString());
}

bool myQQuickView::loadMacroIniFromFile(QVariant name)
{
    if (!macroLibrary.exists(name.toString()))
        return false;
    const QString source =
        dialogs->openFileName(this, tr("Open File"), userDesktop(), tr("Macro(*.mc)"));
    if (source.isEmpty())
        return false;
    const bool imported = macroLibrary.importFrom(name.toString(), source);
    noteWrite(macroLibrary.takeWriteFailure());
    return imported;
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    if (!macroLibrary.exists(name.toString()))
        return;
    const QString target =
        dialogs->saveFileName(this, tr("Save File"), userDesktop(), tr("Macro(*.mc)"));
    if (target.isEmpty())
        return;
    // An existing target is kept by design; any other refusal is a failed copy.
    const bool refused = QFileInfo::exists(target);
    const bool copied = macroLibrary.exportTo(name.toString(), target);
    if (!refused)
        noteWrite(copied ? QString() : target);
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return encodeMacro(macros, KeyNameTable);
}
