#pragma once

#include "devicetable.h"

#include <QString>

// Texts that name the devices of `table` to the system. Each distinct vendor
// and product appears once; entries without a vendor or product id are left
// out.

// The udev rules file: one line per device, matching its hidraw nodes only and
// tagging them "uaccess", so that logind gives the user of the local seat read
// and write access (no mode, no group). The file must sort before
// "73-seat-late.rules", where the tag takes effect.
QString udevRules(const DeviceTable& table);

// AppStream "<modalias>" elements, one line per device ("usb:v04D9pA1CD*"),
// each indented by `indent`.
QString modaliasElements(const DeviceTable& table, const QString& indent);
