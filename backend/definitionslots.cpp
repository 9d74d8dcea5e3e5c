// The backend's definition-table and profile slots.
#include "datapaths.h"
#include "definitiontables.h"
#include "dialogs.h"
#include "myqquickview.h"

#include <QStandardPaths>

QVariantList myQQuickView::loadHWDef()
{
    return readHardwareDrawing(DataPaths::HardwareDefinition, kbLayoutType);
}

QVariantList myQQuickView::loadUsbStr()
{
    return readKeyCodeList(DataPaths::KeyCodeDefinition, "usbStr");
}

QVariantList myQQuickView::loadUsbCode()
{
    return readKeyCodeList(DataPaths::KeyCodeDefinition, "usbCode");
}

uchar myQQuickView::getMaxProfile()
{
    return maxProfile;
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    const QString key = "keydefine" + QString::number(kbLayoutType) + '/' + matrixId.toString();
    return readCurrentProfile(key).toList();
}

QString myQQuickView::userDesktop() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void myQQuickView::saveProfile(int profile)
{
    if (!profiles.contains(profile))
        return;
    const QString target =
        dialogs->saveFileName(this, tr("Save File"), userDesktop(), tr("Profile(*.pf)"));
    if (!target.isEmpty())
        noteWrite(profiles.exportTo(profile, target) ? QString() : target);
}

bool myQQuickView::loadProfile(int profile)
{
    if (!profiles.contains(profile))
        return false;
    const QString source =
        dialogs->openFileName(this, tr("Open File"), userDesktop(), tr("Profile(*.pf)"));
    if (source.isEmpty())
        return false;
    const bool imported = profiles.importFrom(profile, source);
    noteWrite(imported ? QString() : profiles.fileName(profile));
    return imported;
}

void myQQuickView::resetProfile(int profile)
{
    if (profiles.contains(profile))
        noteWrite(profiles.reset(profile) ? QString() : profiles.fileName(profile));
}

QVariant myQQuickView::loadDefaultProfile(QString key)
{
    return profiles.factoryValue(key);
}
