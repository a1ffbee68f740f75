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
    // The longest pause the mouse plays: the long delay record's 16-bit count of 20 ms units.
    // Longer delays are clamped to it (a recorded long wait stays the longest wait, never wraps
    // to a short one). The editor's field stays within kEditorDelayMin..kEditorDelayMax.
    static constexpr qint64 kLongestDelayMs = 0xFFFF * 20;
    static constexpr int kEditorDelayMin = 10;
    static constexpr int kEditorDelayMax = 65535;

    struct Action {
        QString value;
        QString tag;
    };
    using Block = std::array<uchar, kBlockSize>;

    // The tag is the last ten characters, the value what comes before (a short line is both).
    static Action split(const QString& line);

    // A delay line's value in ms, at most kLongestDelayMs; 0 when it is not a number.
    static qint64 delayMs(const QString& value);
    // The line with a delay longer than kLongestDelayMs cut to it; other lines unchanged.
    static QString clampedLine(const QString& line);

    // Header 00 01, one record per usable line, end record 00 00. Unusable lines are dropped.
    static QList<uchar> encode(const QStringList& lines);

    // The stream with its header replaced by the low 16 bits of `repeat`, cut or zero-padded
    // to 128 bytes.
    static Block deviceBlock(const QList<uchar>& stream, int repeat);
};
