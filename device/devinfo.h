#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the catalogue of supported mice.
struct DevInfo {
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0; // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0; // vendor interface
    quint16 usage2 = 0;
    QString productName;
    quint32 reportLength = 0;
    QString sCode; // empty, a six-character code, or kBlockedCode
};

// A command interface of a catalogue entry found among the attached HID devices.
struct FoundMouse {
    QString path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString name;
};

// Entries with this code must never receive a command.
inline const QString kBlockedCode = QStringLiteral("q-beacon");

// More entries than this are ignored, so a damaged count cannot make loading run away.
constexpr int kMaxCatalogueEntries = 256;

// Reads the catalogue INI at path (a resource path works). Missing or malformed values become
// 0 or empty; entry i takes productNames[i] when there is one. Never talks to the device.
QList<DevInfo> loadCatalogue(const QString& path, const QStringList& productNames);
