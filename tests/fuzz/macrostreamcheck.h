#pragma once

#include "macro/keynamemap.h"

#include <QList>
#include <QString>

// Walks a macro stream the way the firmware reads it. Returns an empty text when the header, every
// record and the end record are readable, otherwise what is wrong; counts the key records.
inline QString malformedRecord(const QList<uchar>& stream, int* keyRecords)
{
    *keyRecords = 0;
    if (stream.size() < 4 || stream[0] != 0x00 || stream[1] != 0x01)
        return QStringLiteral("no header");
    if (stream[stream.size() - 2] != 0 || stream.last() != 0)
        return QStringLiteral("no end record");
    const QList<uchar> codes = keyNameMap().values();
    qsizetype i = 2;
    while (i < stream.size() - 2) {
        const uchar a = stream[i], b = stream[i + 1];
        if (a == 0x00) {
            if (b != 0x01 || i + 4 > stream.size() - 2)
                return QStringLiteral("bad long delay at %1").arg(i);
            i += 4;
        } else if (b == 0x01) {
            if (a < 64)
                return QStringLiteral("short delay below 64 units at %1").arg(i);
            i += 2;
        } else {
            if ((a & 0x7F) == 0 || !codes.contains(b))
                return QStringLiteral("bad key record at %1").arg(i);
            ++*keyRecords;
            i += 2;
        }
    }
    return i == stream.size() - 2 ? QString() : QStringLiteral("record runs into the end record");
}
