#include "myqquickview.h"

#include "datapaths.h"
#include "definitiontables.h"
#include "devicepayloads.h"
#include "dialogs.h"
#include "hid_thread.h"
#include "soundcues.h"

#include <QQuickItem>

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent), mediaObjects(new SoundCues(this)),
      apConfig(DataRoots::current().settingsFile(), DataRoots::current().factorySettingsFile()),
      systemDialogs(std::make_unique<SystemDialogs>()), dialogs(systemDialogs.get())
{
    const HardwareLimits limits = readHardwareLimits(DataPaths::HardwareDefinition);
    kbLayoutType = limits.kbLayoutType;
    maxMacro = limits.maxMacro;
    maxProfile = limits.maxProfile;
    profileWrite.setSingleShot(true);
    profileWrite.setInterval(0);
    connect(&profileWrite, &QTimer::timeout, this, &myQQuickView::writeProfiles);
    initMacroIni(maxMacro);
    profiles.open(maxProfile);
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::setDialogs(Dialogs* replacement)
{
    dialogs = replacement ? replacement : systemDialogs.get();
}

QStringList myQQuickView::productNames() const
{
    return apConfig.productNames();
}

void myQQuickView::invokeRoot(const char* function)
{
    if (QQuickItem* root = rootObject())
        QMetaObject::invokeMethod(root, function, Qt::QueuedConnection);
}

void myQQuickView::writeCurrentProfile(const QString& key, const QVariant& value)
{
    if (QSettings* profile = profiles.current()) {
        profile->setValue(key, value);
        profileWrite.start();
    }
}

QVariant myQQuickView::readCurrentProfile(const QString& key) const
{
    const QSettings* profile = profiles.current();
    return profile ? profile->value(key) : QVariant();
}

void myQQuickView::paintEvent(QPaintEvent* event)
{
    QQuickWidget::paintEvent(event);
    const QQuickItem* root = rootObject();
    if (sceneShown || !root || !root->isVisible())
        return;
    sceneShown = true;
    // Queued: after this frame has reached the screen.
    invokeRoot("buildPages");
}

bool myQQuickView::focusNextPrevChild(bool next)
{
    return !isEnabled() || QQuickWidget::focusNextPrevChild(next);
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
    uchar profile = profiles.currentIndex();
    hidThread->hid_A1H_GetCurrentProfile(profile);
    profiles.setCurrentIndex(profile);
    KeyNameTable = readKeyNameTable(DataPaths::KeyCodeDefinition);
}

void myQQuickView::syncLed()
{
    if (!hidThread)
        return;
    uchar led[Protocol::LightingValues] = {};
    if (hidThread->hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4], led[5], led[6]))
        storeLightingType(QList<int>(std::begin(led), std::end(led)));
    uchar colors[Protocol::SevenColorLength] = {};
    if (hidThread->hid_B0H_GetSevenColor(colors)) {
        QVariantList sceneColors;
        for (int i = 0; i < Protocol::SevenColorBytes; ++i)
            sceneColors.append(int(colors[i]) * DevicePayloads::SceneUnitsPerDeviceUnit);
        writeCurrentProfile("color/color", sceneColors);
    }
}

void myQQuickView::storeLightingType(const QList<int>& lighting)
{
    QVariantList values;
    for (int value : lighting)
        values.append(value);
    writeCurrentProfile("color/ledType", values);
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

void myQQuickView::keyDetected(bool isDown, int usbCode)
{
    if (QQuickItem* root = rootObject())
        QMetaObject::invokeMethod(root, "detectKeyboard", Qt::QueuedConnection,
                                  Q_ARG(QVariant, isDown), Q_ARG(QVariant, usbCode));
}

void myQQuickView::mouseDetected(bool isDown, uint vornCode, uint x, uint y)
{
    if (QQuickItem* root = rootObject())
        QMetaObject::invokeMethod(root, "detectMouse", Qt::QueuedConnection,
                                  Q_ARG(QVariant, isDown), Q_ARG(QVariant, vornCode),
                                  Q_ARG(QVariant, x), Q_ARG(QVariant, y));
}

void myQQuickView::setEnableAudio(bool isEnable)
{
    mediaObjects->setEnabled(isEnable);
}

void myQQuickView::playMedia_Index(uchar index)
{
    mediaObjects->playIndex(index);
}

void myQQuickView::playMedia_Background()
{
    mediaObjects->playBackground();
}

void myQQuickView::clearAllMedia()
{
    mediaObjects->clearAll();
}
