// The backend's macro-library slots and the macro encoder.
#include "dialogs.h"
#include "hid_thread.h"
#include "macroencoder.h"
#include "myqquickview.h"

void myQQuickView::initMacroIni(uchar slotCount)
{
    macroLibrary.repair(slotCount);
}

QVariant myQQuickView::createMacroIni()
{
    return macroLibrary.create();
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
    if (!macroLibrary.saveSteps(name.toString(), macros))
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
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    macroLibrary.rename(oldName.toString(), newName.toString());
}

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    if (!macroLibrary.exists(name.toString()))
        return;
    const QString source =
        dialogs->openFileName(this, tr("Open File"), userDesktop(), tr("Macro(*.mc)"));
    if (!source.isEmpty())
        macroLibrary.importFrom(name.toString(), source);
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    if (!macroLibrary.exists(name.toString()))
        return;
    const QString target =
        dialogs->saveFileName(this, tr("Save File"), userDesktop(), tr("Macro(*.mc)"));
    if (!target.isEmpty())
        macroLibrary.exportTo(name.toString(), target);
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return encodeMacro(macros, KeyNameTable);
}
