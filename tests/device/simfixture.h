#pragma once

// Helpers shared by the device tests: the simulated mouse's standard device and readable
// views of its wire record.

#include "device/devinfo.h"
#include "device/usbtask.h"
#include "simmouse.h"

#include <QByteArray>
#include <QStringList>

namespace fixture {

// The command interface of the simulated mouse; the vendor path stays empty so that no
// listener runs unless a test wants one.
inline UsbDevice simDevice()
{
    UsbDevice device;
    device.deviceIndex = 1;
    device.commandPath = QStringLiteral("sim/hidraw0");
    device.reportLength = 64;
    return device;
}

// The catalogue entry that leads to the simulated mouse.
inline DevInfo mouseEntry(const QString& code = QString())
{
    DevInfo entry;
    entry.vid = sim::kVendorId;
    entry.pid = sim::kProductId;
    entry.usagePage = entry.usage = 0xFF00;
    entry.usagePage2 = 0xFF01;
    entry.usage2 = 0x0001;
    entry.productName = QStringLiteral("Z4");
    entry.reportLength = 64;
    entry.sCode = code;
    return entry;
}

inline QByteArray hex(const sim::Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())).toHex();
}

inline sim::Bytes pattern(int length, int first)
{
    sim::Bytes bytes(size_t(length), 0);
    for (int i = 0; i < length; ++i)
        bytes[size_t(i)] = uchar(first + 7 * i);
    return bytes;
}

// The record as short tokens: "F>" feature out, "F<" feature in, "O" output, "I" input.
inline QString shape(const std::vector<sim::Report>& reports)
{
    QStringList tokens;
    for (const sim::Report& r : reports) {
        if (r.kind == sim::Kind::Feature)
            tokens << (r.dir == sim::Dir::ToMouse ? QStringLiteral("F>") : QStringLiteral("F<"));
        else
            tokens << (r.kind == sim::Kind::Output ? QStringLiteral("O") : QStringLiteral("I"));
    }
    return tokens.join(QLatin1Char(' '));
}

inline double msBetween(std::int64_t fromNs, std::int64_t toNs)
{
    return double(toNs - fromNs) / 1e6;
}

} // namespace fixture
