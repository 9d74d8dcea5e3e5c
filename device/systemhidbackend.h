#pragma once

#include "hidbackend.h"

// Forwards every call to libhidapi-hidraw. This is the backend that ships.
class SystemHidBackend : public HidBackend
{
public:
    SystemHidBackend();
    ~SystemHidBackend() override;

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidDevice* openPath(const QByteArray& path) override;
    void close(HidDevice* device) override;
    int setNonblocking(HidDevice* device, int nonblock) override;
    int sendFeatureReport(HidDevice* device, const unsigned char* data, size_t length) override;
    int getFeatureReport(HidDevice* device, unsigned char* data, size_t length) override;
    int write(HidDevice* device, const unsigned char* data, size_t length) override;
    int read(HidDevice* device, unsigned char* data, size_t length) override;
    int readTimeout(HidDevice* device, unsigned char* data, size_t length,
                    int milliseconds) override;

private:
    bool initialised = false;
};
