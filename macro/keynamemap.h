#pragma once

#include <QMap>
#include <QString>

// The host's copy of the key vocabulary of macro scripts: display name to the one-byte code the
// firmware plays back (USB keyboard usages, 0xF0-0xF4 for the mouse buttons). Built on first use
// and filled again by the bridge constructor; GUI thread only. Never talks to the device.
using KeyNameMap = QMap<QString, uchar>;

// Empties the table and fills it again, so a second call gives the same content.
void initKeyNameMap();

const KeyNameMap& keyNameMap();

// Exact, case-sensitive match, blanks included; 0 for a name the table lacks.
uchar keyCodeForName(const QString& name);
