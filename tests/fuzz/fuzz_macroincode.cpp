// Feeds arbitrary action lines to the encoder: it must never crash, and every stream must start
// with the header, end with the end record and hold only records the firmware can read.
#include "macro/keynamemap.h"
#include "macro/macroencoder.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

bool wellFormed(const QList<uchar>& s)
{
    if (s.size() < 4 || s[0] != 0x00 || s[1] != 0x01 || s[s.size() - 2] != 0 || s.last() != 0)
        return false;
    qsizetype i = 2;
    while (i < s.size() - 2) {
        if (s[i] == 0x00) {
            if (s[i + 1] != 0x01)
                return false;
            i += 4;
        } else if (s[i + 1] == 0x01) {
            if (s[i] < 64)
                return false;
            i += 2;
        } else {
            if ((s[i] & 0x7F) == 0 || !keyNameMap().values().contains(s[i + 1]))
                return false;
            i += 2;
        }
    }
    return i == s.size() - 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool filled = (initKeyNameMap(), true);
    Q_UNUSED(filled);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<uchar> stream = MacroEncoder::encode(text.split(QLatin1Char('\n')));
    if (!wellFormed(stream))
        std::abort();
    const int repeat = size >= 2 ? (data[0] << 8 | data[1]) : 1;
    const MacroEncoder::Block block = MacroEncoder::deviceBlock(stream, repeat);
    if (block[0] != uchar(repeat >> 8) || block[1] != uchar(repeat))
        std::abort();
    return 0;
}
