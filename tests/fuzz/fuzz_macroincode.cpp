// Feeds arbitrary action lines to the encoder: it must never crash, and every stream must start
// with the header, end with the end record and hold only records the firmware can read.
#include "macro/keynamemap.h"
#include "macro/macroencoder.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

// Walks a macro stream the way the firmware reads it. Returns an empty text when the header, every
// record and the end record are readable, otherwise what is wrong; counts the key records.
static QString malformedRecord(const QList<uchar>& stream, int* keyRecords)
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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool filled = (initKeyNameMap(), true);
    Q_UNUSED(filled);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<uchar> stream = MacroEncoder::encode(text.split(QLatin1Char('\n')));
    int keyRecords = 0;
    if (!malformedRecord(stream, &keyRecords).isEmpty())
        std::abort();
    const int repeat = size >= 2 ? (data[0] << 8 | data[1]) : 1;
    const MacroEncoder::Block block = MacroEncoder::deviceBlock(stream, repeat);
    if (block[0] != uchar(repeat >> 8) || block[1] != uchar(repeat))
        std::abort();
    return 0;
}
