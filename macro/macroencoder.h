#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Turns macro action lines into the byte stream the mouse plays, and the stream into the fixed
// 128-byte block of one macro slot. Pure functions: they read only the key name table and never
// talk to the device.
class MacroEncoder {
public:
    static constexpr int kBlockSize = 128;
    static constexpr int kTagLength = 10;
    static const QString kDownTag; // "    [Down]"
    static const QString kUpTag; // "      [Up]"
    static const QString kDelayTag; // "   [Delay]"

    struct Action {
        QString value;
        QString tag;
    };
    using Block = std::array<uchar, kBlockSize>;

    // The tag is the last ten characters, the value what comes before (a short line is both).
    static Action split(const QString& line);

    // Header 00 01, one record per usable line, end record 00 00. Unusable lines are dropped.
    static QList<uchar> encode(const QStringList& lines);

    // The stream with its header replaced by the low 16 bits of `repeat`, cut or zero-padded
    // to 128 bytes.
    static Block deviceBlock(const QList<uchar>& stream, int repeat);
};
