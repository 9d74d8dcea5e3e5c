#pragma once

#include <QObject>

// Something that tells when HID devices may have come or gone. The main
// window answers every notification by restarting its device-check timer.
class DeviceChangeSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void deviceChanged();
};
