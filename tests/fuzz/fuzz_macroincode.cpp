// Feeds arbitrary action lines to the encoder: it must never crash, and every stream must start
// with the header, end with the end record and hold only records the firmware can read.
#include "macro/keynamemap.h"
#include "macro/macroencoder.h"
#include "tests/fuzz/macrostreamcheck.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

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
