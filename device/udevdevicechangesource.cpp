#include "udevdevicechangesource.h"

#include <QDebug>
#include <QFileInfo>
#include <QSocketNotifier>
#include <libudev.h>

namespace {
constexpr char UdevControlSocket[] = "/run/udev/control";
constexpr const char* WatchedSubsystems[] = {"hidraw", "usb"};
} // namespace

QString UdevDeviceChangeSource::chooseNetlinkSource(bool udevdRunning)
{
    return udevdRunning ? QStringLiteral("udev") : QStringLiteral("kernel");
}

bool UdevDeviceChangeSource::udevdRunning()
{
    return QFileInfo::exists(QString::fromLatin1(UdevControlSocket));
}

UdevDeviceChangeSource::UdevDeviceChangeSource(QObject* parent) : DeviceChangeSource(parent)
{
    context = udev_new();
    if (!context) {
        qDebug().noquote() << "hot-plug: no udev context, device changes are not watched";
        return;
    }
    sourceName = chooseNetlinkSource(udevdRunning());
    monitor = udev_monitor_new_from_netlink(context, sourceName.toLatin1().constData());
    bool ok = monitor != nullptr;
    for (const char* subsystem : WatchedSubsystems)
        ok =
            ok && udev_monitor_filter_add_match_subsystem_devtype(monitor, subsystem, nullptr) >= 0;
    ok = ok && udev_monitor_enable_receiving(monitor) >= 0;
    const int fd = ok ? udev_monitor_get_fd(monitor) : -1;
    if (fd < 0) {
        qDebug().noquote() << "hot-plug: cannot listen to the" << sourceName
                           << "netlink source, device changes are not watched";
        if (monitor)
            udev_monitor_unref(monitor);
        monitor = nullptr;
        return;
    }
    notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &UdevDeviceChangeSource::receive);
}

UdevDeviceChangeSource::~UdevDeviceChangeSource()
{
    delete notifier;
    if (monitor)
        udev_monitor_unref(monitor);
    if (context)
        udev_unref(context);
}

// One notification per wake-up, however many devices the burst carried.
void UdevDeviceChangeSource::receive()
{
    bool received = false;
    while (udev_device* device = udev_monitor_receive_device(monitor)) {
        udev_device_unref(device);
        received = true;
    }
    if (received)
        emit deviceChanged();
}
