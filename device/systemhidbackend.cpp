#include "systemhidbackend.h"

#include <hidapi.h>

namespace {

hid_device* native(HidDevice* device)
{
    return reinterpret_cast<hid_device*>(device);
}

QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

SystemHidBackend::SystemHidBackend() : initialised(hid_init() == 0) {}

SystemHidBackend::~SystemHidBackend()
{
    if (initialised)
        hid_exit();
}

QList<HidDeviceInfo> SystemHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QList<HidDeviceInfo> result;
    if (!initialised)
        return result;
    hid_device_info* first = hid_enumerate(vendorId, productId);
    for (hid_device_info* info = first; info; info = info->next) {
        HidDeviceInfo entry;
        entry.path = QByteArray(info->path ? info->path : "");
        entry.vendorId = info->vendor_id;
        entry.productId = info->product_id;
        entry.usagePage = info->usage_page;
        entry.usage = info->usage;
        entry.interfaceNumber = info->interface_number;
        entry.product = fromWide(info->product_string);
        result.append(entry);
    }
    hid_free_enumeration(first);
    return result;
}

HidDevice* SystemHidBackend::openPath(const QByteArray& path)
{
    if (!initialised)
        return nullptr;
    return reinterpret_cast<HidDevice*>(hid_open_path(path.constData()));
}

void SystemHidBackend::close(HidDevice* device)
{
    if (device)
        hid_close(native(device));
}

int SystemHidBackend::setNonblocking(HidDevice* device, int nonblock)
{
    return hid_set_nonblocking(native(device), nonblock);
}

int SystemHidBackend::sendFeatureReport(HidDevice* device, const unsigned char* data, size_t length)
{
    return hid_send_feature_report(native(device), data, length);
}

int SystemHidBackend::getFeatureReport(HidDevice* device, unsigned char* data, size_t length)
{
    return hid_get_feature_report(native(device), data, length);
}

int SystemHidBackend::write(HidDevice* device, const unsigned char* data, size_t length)
{
    return hid_write(native(device), data, length);
}

int SystemHidBackend::read(HidDevice* device, unsigned char* data, size_t length)
{
    return hid_read(native(device), data, length);
}

int SystemHidBackend::readTimeout(HidDevice* device, unsigned char* data, size_t length,
                                  int milliseconds)
{
    return hid_read_timeout(native(device), data, length, milliseconds);
}
