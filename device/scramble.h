#pragma once

#include <QtGlobal>

// Command packets for coded devices are scrambled over report bytes 1 to 8 (command code to
// checksum). Both work in place on the eight bytes at p; codeBytes has 8 bytes, of which 1 to 6
// are mixed in. unscramble(scramble(p)) restores p for every code.
void scramble(uchar* p, const uchar* codeBytes);
void unscramble(uchar* p, const uchar* codeBytes);
