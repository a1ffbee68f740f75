#include "macro/macroencoder.h"

#include "macro/keynamemap.h"

#include <algorithm>

const QString MacroEncoder::kDownTag = QStringLiteral("    [Down]");
const QString MacroEncoder::kUpTag = QStringLiteral("      [Up]");
const QString MacroEncoder::kDelayTag = QStringLiteral("   [Delay]");

namespace {

constexpr uchar kPress = 0x01;
constexpr uchar kRelease = 0x81;
constexpr uchar kReleaseBit = 0x80;
constexpr qint64 kLongestMergedPause = 1270; // 127 units of 10 ms, the key record's 7-bit field
constexpr qint64 kLongestShortDelay = 5100; // 255 units of 20 ms

enum class Record { Header, Key, Delay };

struct Encoder {
    QList<uchar> out { 0x00, 0x01 };
    Record last = Record::Header;

    void appendKey(uchar event, uchar code)
    {
        out << event << code;
        last = Record::Key;
    }

    // A pause folds into the key record just written; anything else (header, another delay)
    // would be corrupted by the rewrite, so there the pause gets a record of its own.
    void appendDelay(qint64 ms, bool afterNonDelayLine)
    {
        if (ms == 0)
            return;
        if (ms <= kLongestMergedPause && afterNonDelayLine && last == Record::Key) {
            uchar& timing = out[out.size() - 2];
            timing = uchar((timing & kReleaseBit) | ((std::max<qint64>(ms, 10) + 5) / 10));
            return;
        }
        if (ms > kLongestMergedPause && ms <= kLongestShortDelay) {
            out << uchar((ms + 10) / 20) << 0x01;
        } else {
            const qint64 units = (std::max<qint64>(ms, 20) + 10) / 20;
            out << 0x00 << 0x01 << uchar(units >> 8) << uchar(units);
        }
        last = Record::Delay;
    }
};

} // namespace

MacroEncoder::Action MacroEncoder::split(const QString& line)
{
    if (line.size() < kTagLength)
        return { line, line };
    return { line.left(line.size() - kTagLength), line.right(kTagLength) };
}

qint64 MacroEncoder::delayMs(const QString& value)
{
    bool ok = false;
    const qint64 ms = value.toLongLong(&ok);
    return ok ? std::min(ms, kLongestDelayMs) : 0;
}

QString MacroEncoder::clampedLine(const QString& line)
{
    const Action action = split(line);
    if (action.tag != kDelayTag || delayMs(action.value) != kLongestDelayMs)
        return line;
    return QString::number(kLongestDelayMs) + kDelayTag;
}

QList<uchar> MacroEncoder::encode(const QStringList& lines)
{
    Encoder encoder;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Action action = split(lines.at(i));
        if (action.tag == kDownTag || action.tag == kUpTag) {
            const uchar code = keyCodeForName(action.value);
            if (code != 0)
                encoder.appendKey(action.tag == kDownTag ? kPress : kRelease, code);
        } else if (action.tag == kDelayTag) {
            const bool afterNonDelayLine = i > 0 && split(lines.at(i - 1)).tag != kDelayTag;
            encoder.appendDelay(delayMs(action.value), afterNonDelayLine);
        }
    }
    encoder.out << 0x00 << 0x00;
    return encoder.out;
}

MacroEncoder::Block MacroEncoder::deviceBlock(const QList<uchar>& stream, int repeat)
{
    Block block {};
    std::copy_n(stream.cbegin(), std::min<qsizetype>(stream.size(), kBlockSize), block.begin());
    block[0] = uchar(repeat >> 8);
    block[1] = uchar(repeat);
    return block;
}
