#pragma once

#include "device/devinfo.h"

#include <QList>
#include <QString>
#include <QStringList>

// The udev rule that lets the person at the seat open the mice of the device catalogue without
// root, and how to put it in place from anywhere (no file of a build or package needed).
namespace accessrule {

inline const QString kFileName = QStringLiteral("70-z4config.rules");

// One rule line per distinct vendor and product of the catalogue, in catalogue order.
QStringList ruleLines(const QList<DevInfo>& catalogue);
// A shell command that writes the lines as /etc/udev/rules.d/<kFileName> with sudo tee, then
// reloads the rules and applies them to devices already plugged in. Empty without lines.
QString installCommand(const QStringList& lines);
// Whether a rule of that name is installed in one of these folders (by default the package's
// and the administrator's udev rule folders).
bool installed(const QStringList& folders = { QStringLiteral("/usr/lib/udev/rules.d"),
                   QStringLiteral("/lib/udev/rules.d"), QStringLiteral("/etc/udev/rules.d") });

} // namespace accessrule
