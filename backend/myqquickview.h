#pragma once

#include "deviceeventsink.h"

#include <QList>
#include <QMap>
#include <QQuickWidget>
#include <QSettings>
#include <QStringList>

class Hid_Thread;

// The view that shows the scene and the scene's backend: every public slot is
// callable by name from the scene. Lives on the GUI thread; owns its settings
// objects. Drives the scene only by invoking root functions by name.
class myQQuickView : public QQuickWidget, public DeviceEventSink
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    Hid_Thread* hidThread = nullptr; // not owned; set by the shell after construction

    // Display names of the device-table entries, from the application settings.
    QStringList productNames() const;

    quint8 layoutType() const { return kbLayoutType; }
    quint8 profileIndex() const { return currentProfile; }
    int profileCount() const { return profiles.size(); }
    quint8 macroSlotCount() const { return maxMacro; }
    quint8 profileLimit() const { return maxProfile; }
    QSettings* profileSettings(int index) const { return profiles.value(index); }

    // DeviceEventSink: called on the event loop's thread; the profile write and
    // the scene call happen on the GUI thread.
    void keyboardLightingChanged(const QList<int>& lighting) override;

    static constexpr int MaxProfiles = 10;
    static constexpr int MaxMacros = 255;

public slots:
    void syncFW();
    void syncLed();
    void initUI();
    void zzzMorvat();
    void runUI();

private:
    void readHardwareLimits();
    void openProfiles();
    void rebuildKeyNameTable();
    void invokeRoot(const char* function);
    QSettings* currentProfileSettings() const; // null when the index has no profile
    void storeLightingType(const QList<int>& lighting);

    bool isEnableAudio = true;
    QSettings* apConfig = nullptr;
    QList<QSettings*> profiles;
    quint8 currentProfile = 0;
    QStringList msgList;
    quint8 kbLayoutType = 0;
    quint8 maxMacro = 0;
    quint8 maxProfile = 0;
    QMap<QString, quint8> KeyNameTable;
};
