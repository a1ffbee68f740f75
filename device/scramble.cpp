#include "device/scramble.h"

#include <utility>

namespace {

constexpr char kKey[8] = { 'P', 'a', 'V', 'k', 'd', 'O', 'r', 'm' };

uchar swapNibbles(uchar x)
{
    return uchar((x << 4) | (x >> 4));
}

void swapPairs(uchar* p)
{
    std::swap(p[0], p[5]);
    std::swap(p[1], p[4]);
    std::swap(p[2], p[7]);
    std::swap(p[3], p[6]);
}

void mixCode(uchar* p, const uchar* codeBytes)
{
    for (int i = 1; i <= 6; ++i)
        p[i] ^= codeBytes[i];
}

void rotateLeft3(uchar* p)
{
    const uchar first = p[0];
    for (int i = 0; i < 7; ++i)
        p[i] = uchar((p[i] << 3) | (p[i + 1] >> 5));
    p[7] = uchar((p[7] << 3) | (first >> 5));
}

void rotateRight3(uchar* p)
{
    const uchar last = p[7];
    for (int i = 7; i > 0; --i)
        p[i] = uchar((p[i] >> 3) | (p[i - 1] << 5));
    p[0] = uchar((p[0] >> 3) | (last << 5));
}

} // namespace

void scramble(uchar* p, const uchar* codeBytes)
{
    swapPairs(p);
    mixCode(p, codeBytes);
    rotateLeft3(p);
    for (int j = 0; j < 8; ++j)
        p[j] = uchar(p[j] + swapNibbles(uchar(kKey[j])));
}

void unscramble(uchar* p, const uchar* codeBytes)
{
    for (int j = 0; j < 8; ++j)
        p[j] = uchar(p[j] - swapNibbles(uchar(kKey[j])));
    rotateRight3(p);
    mixCode(p, codeBytes);
    swapPairs(p);
}
