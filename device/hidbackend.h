#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>

// Opaque handle of one open HID interface; each backend defines what it points to.
struct HidDevice;

// One interface as enumeration reports it.
struct HidDeviceInfo
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
    QString product;
};

// The HID calls the device worker makes, mirroring hidapi one for one.
// Results follow hidapi: byte counts or 0 on success, -1 on failure.
// Implementations must be callable from any thread; one handle is used by one
// thread at a time.
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    virtual QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    virtual HidDevice* openPath(const QByteArray& path) = 0; // nullptr on failure
    virtual void close(HidDevice* device) = 0;
    virtual int setNonblocking(HidDevice* device, int nonblock) = 0;
    virtual int sendFeatureReport(HidDevice* device, const unsigned char* data, size_t length) = 0;
    virtual int getFeatureReport(HidDevice* device, unsigned char* data, size_t length) = 0;
    virtual int write(HidDevice* device, const unsigned char* data, size_t length) = 0;
    virtual int read(HidDevice* device, unsigned char* data, size_t length) = 0;
    virtual int readTimeout(HidDevice* device, unsigned char* data, size_t length,
                            int milliseconds) = 0;
};
