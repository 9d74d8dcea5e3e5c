#include "myqquickview.h"

#include "datapaths.h"
#include "hid_thread.h"

#include <QQuickItem>

myQQuickView::myQQuickView(QWidget* parent) : QQuickWidget(parent)
{
    readHardwareLimits();
    apConfig = new QSettings(DataPaths::ApConfig, QSettings::IniFormat);
    openProfiles();
}

myQQuickView::~myQQuickView()
{
    qDeleteAll(profiles);
    delete apConfig;
}

void myQQuickView::readHardwareLimits()
{
    const QSettings definition(DataPaths::HardwareDefinition, QSettings::IniFormat);
    kbLayoutType = quint8(definition.value("common/kbLayoutType", 0).toUInt());
    maxMacro = quint8(qMin(definition.value("common/maxMacro", 0).toUInt(), uint(MaxMacros)));
    maxProfile = quint8(qMin(definition.value("common/maxProfile", 0).toUInt(), uint(MaxProfiles)));
}

void myQQuickView::openProfiles()
{
    for (int i = 1; i <= maxProfile; ++i)
        profiles.append(
            new QSettings(DataPaths::ProfilePrefix + QString::number(i) + DataPaths::ProfileSuffix,
                          QSettings::IniFormat));
}

QStringList myQQuickView::productNames() const
{
    return apConfig->value("common/product_name").toStringList();
}

QSettings* myQQuickView::currentProfileSettings() const
{
    return profiles.value(currentProfile, nullptr);
}

void myQQuickView::invokeRoot(const char* function)
{
    if (QQuickItem* root = rootObject())
        QMetaObject::invokeMethod(root, function, Qt::QueuedConnection);
}

void myQQuickView::initUI()
{
    invokeRoot("initUI");
}

void myQQuickView::runUI()
{
    invokeRoot("run");
}

void myQQuickView::zzzMorvat()
{
    invokeRoot("zzzMorvat");
}

void myQQuickView::syncFW()
{
    if (!hidThread)
        return;
    ushort version = 0;
    uchar mode = kbLayoutType;
    hidThread->hid_80H_GetFWVersion(version, mode);
    kbLayoutType = mode;
    uchar profile = currentProfile;
    hidThread->hid_A1H_GetCurrentProfile(profile);
    currentProfile = profile;
    rebuildKeyNameTable();
}

void myQQuickView::rebuildKeyNameTable()
{
    QSettings definition(DataPaths::KeyCodeDefinition, QSettings::IniFormat);
    const QStringList names = definition.value("common/usbStr").toStringList();
    const QStringList codes = definition.value("common/usbCode").toStringList();
    KeyNameTable.clear();
    for (int i = 0; i < qMin(names.size(), codes.size()); ++i)
        KeyNameTable.insert(names[i], quint8(codes[i].toUInt()));
}

void myQQuickView::syncLed()
{
    if (!hidThread)
        return;
    uchar led[Protocol::LightingValues] = {};
    if (hidThread->hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4], led[5], led[6])) {
        QList<int> lighting;
        for (uchar value : led)
            lighting.append(value);
        storeLightingType(lighting);
    }
    uchar colors[Protocol::SevenColorLength] = {};
    if (hidThread->hid_B0H_GetSevenColor(colors)) {
        QVariantList sceneColors;
        for (int i = 0; i < Protocol::SevenColorBytes; ++i)
            sceneColors.append(int(colors[i]) * 4);
        if (QSettings* profile = currentProfileSettings())
            profile->setValue("color/color", sceneColors);
    }
}

void myQQuickView::storeLightingType(const QList<int>& lighting)
{
    QSettings* profile = currentProfileSettings();
    if (!profile)
        return;
    QVariantList values;
    for (int value : lighting)
        values.append(value);
    profile->setValue("color/ledType", values);
}

void myQQuickView::keyboardLightingChanged(const QList<int>& lighting)
{
    QMetaObject::invokeMethod(
        this,
        [this, lighting] {
            storeLightingType(lighting);
            zzzMorvat();
        },
        Qt::QueuedConnection);
}
