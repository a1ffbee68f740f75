#pragma once

// Internal to the device library: the one place that opens a HID path.

#include <QString>
#include <hidapi.h>

// Opens path in blocking mode; nullptr when it cannot be opened. With reportFailure, a failure
// on a non-empty path writes one warning naming the path and hidapi's reason, so a person can
// tell "absent" from "no permission".
hid_device* openHidPath(const QString& path, bool reportFailure);
