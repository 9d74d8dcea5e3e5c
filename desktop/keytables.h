#pragma once

#include <QMap>

// The fixed tables of the key translation: PC scan code and extended flag to
// Windows virtual key, and virtual key to USB HID usage (keyboard page). A
// key missing from a table means "no such key"; lookups then yield 0.
namespace KeyTables {

constexpr int ScanToVkCount = 105;
constexpr int VkToUsbCount = 121;

// The backslash key (virtual key OEM 5): "Non-US # and ~" on layout type 0,
// "\ and |" on every other layout type.
constexpr quint8 VK_OEM_5 = 0xDC;
constexpr quint8 UsbNonUsHash = 0x32;
constexpr quint8 UsbBackslash = 0x31;

// Key of the scan-code table: scan code × 256 + extended flag (0 or 1).
constexpr quint16 scanKey(quint8 scanCode, bool extended)
{
    return quint16(scanCode * 256 + (extended ? 1 : 0));
}

QMap<quint16, quint8> buildScanToVkMap();
QMap<quint8, quint8> buildVkToUsbMap(bool isLayoutType0);

} // namespace KeyTables
