#pragma once

#include <QMetaType>
#include <QString>

#include <array>

// Protocol sizes and pauses of one exchange with the mouse.
constexpr int kPacketLength = 9; // report ID, command code, six parameters, checksum
constexpr int kMaxDataLength = 512; // largest data phase a task can carry
constexpr int kMaxReportLength = 512; // larger reports could not be taken from the data buffer
constexpr int kCommandDelayMs = 30; // after the feature exchange
constexpr int kChunkDelayMs = 10; // after each output report of a data phase
constexpr int kDataReadTimeoutMs = 500; // a data-phase read gives up after this

// The open device: which interfaces to talk to and how to encode commands.
struct UsbDevice {
    int deviceIndex = 0;
    QString productName;
    QString commandPath; // feature and data reports
    QString vendorPath; // the mouse's own input reports
    int reportLength = 0; // payload bytes of one data report
    bool scrambleOn = false;
    std::array<uchar, 8> codeBytes {}; // bytes 1 to 6 hold the code
};

// One exchange: the command, its answer and an optional data phase.
struct UsbTask {
    UsbDevice device;
    int featureLength = kPacketLength;
    int dataLength = 0; // 0: no data phase
    std::array<uchar, kPacketLength> command {};
    std::array<uchar, kPacketLength> reply {};
    std::array<uchar, kMaxDataLength> data {};
    int commandDelay = kCommandDelayMs;
    int chunkDelay = kChunkDelayMs;
};

Q_DECLARE_METATYPE(UsbTask)
