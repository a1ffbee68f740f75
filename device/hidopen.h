#pragma once

// Internal to the device library: the one place that enumerates and opens HID devices.

#include <QString>
#include <hidapi.h>

// Opens path in blocking mode; nullptr when it cannot be opened. With reportFailure, a failure
// on a non-empty path writes one warning naming the path and hidapi's reason, so a person can
// tell "absent" from "no permission". A failure also leaves hidapi's reason in `reason`.
hid_device* openHidPath(const QString& path, bool reportFailure, QString* reason = nullptr);

// hid_enumerate() for one vendor and product; a zero ID gives an empty list instead of
// hidapi's "any". Free the list with hid_free_enumeration().
hid_device_info* enumerateHid(quint16 vid, quint16 pid);
