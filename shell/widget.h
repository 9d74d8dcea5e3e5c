#pragma once

#include "datapaths.h"
#include "hid_thread.h"

#include <QTimer>
#include <QUrl>
#include <QWidget>

class DeviceChangeSource;
class HidBackend;
class Ui_Controler;

// The one top-level window. Owns the device worker by value and the backend
// view as a child widget; schedules the controller's deletion when it goes.
class Widget : public QWidget
{
    Q_OBJECT
public:
    // `hidBackend` is the HID layer the worker uses; it must outlive the window.
    // `scene` is the root document of the view: the program's scene unless a
    // test asks for another.
    explicit Widget(HidBackend& hidBackend, QWidget* parent = nullptr,
                    const QUrl& scene = QUrl(QString::fromLatin1(DataPaths::SceneUrl)));
    ~Widget() override;

    // Every notification of `source` restarts the device-check timer.
    void watchDeviceChanges(DeviceChangeSource* source);

    // Start-up handshake with the scene, once, after the window is shown.
    void startUp();

    static constexpr int DeviceCheckDelayMs = 2048;

    QTimer checkTimer; // single-shot device-check debounce
    Ui_Controler* controller = nullptr;
    Hid_Thread hid;

public slots:
    void checkDevice();

protected:
    void customEvent(QEvent* event) override;

private:
    void deviceChangeNotified();
};
