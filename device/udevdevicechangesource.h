#pragma once

#include "devicechangesource.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Hot-plug notifications from a libudev monitor on the "hidraw" and "usb"
// subsystems. Listens to udevd's "udev" netlink source; where udevd is not
// running (containers, CI) to the kernel's own "kernel" source. When neither
// can be had the source stays silent and the program runs on.
class UdevDeviceChangeSource : public DeviceChangeSource
{
    Q_OBJECT
public:
    explicit UdevDeviceChangeSource(QObject* parent = nullptr);
    ~UdevDeviceChangeSource() override;

    bool isActive() const { return monitor != nullptr; }
    QString netlinkSource() const { return sourceName; }

    // "udev" when udevd runs (its control socket exists), else "kernel".
    static QString chooseNetlinkSource(bool udevdRunning);
    static bool udevdRunning();

private:
    void receive();

    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;
    QString sourceName;
};
