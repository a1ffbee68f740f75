#include "system/evdevscan.h"

namespace {
struct EvdevRow {
    unsigned evdev;
    ScanCode code;
};

constexpr unsigned lastDirectCode = 88; // KEY_F12: up to here evdev follows set 1

// Right Shift carries the extended bit because that is the only row that reports it.
// Pause comes without it and Num Lock with it, as the system's hooks deliver them.
constexpr EvdevRow rows[] = {
    { 54, { 0x36, true } }, // right Shift
    { 69, { 0x45, true } }, // Num Lock
    { 89, { 0x73, false } }, // RO
    { 92, { 0x79, false } }, // Henkan
    { 93, { 0x70, false } }, // Katakana/Hiragana
    { 94, { 0x7B, false } }, // Muhenkan
    { 96, { 0x1C, true } }, // keypad Enter
    { 97, { 0x1D, true } }, // right Ctrl
    { 98, { 0x35, true } }, // keypad slash
    { 99, { 0x37, true } }, // Print Screen / SysRq
    { 100, { 0x38, true } }, // right Alt
    { 102, { 0x47, true } }, // Home
    { 103, { 0x48, true } }, // Up
    { 104, { 0x49, true } }, // Page Up
    { 105, { 0x4B, true } }, // Left
    { 106, { 0x4D, true } }, // Right
    { 107, { 0x4F, true } }, // End
    { 108, { 0x50, true } }, // Down
    { 109, { 0x51, true } }, // Page Down
    { 110, { 0x52, true } }, // Insert
    { 111, { 0x53, true } }, // Delete
    { 119, { 0x45, false } }, // Pause
    { 124, { 0x7D, false } }, // Yen
    { 125, { 0x5B, true } }, // left Windows key
    { 126, { 0x5C, true } }, // right Windows key
    { 127, { 0x5D, true } }, // Application key
    { 183, { 0x64, false } }, // F13 to F22
    { 184, { 0x65, false } }, { 185, { 0x66, false } }, { 186, { 0x67, false } }, { 187, { 0x68, false } },
    { 188, { 0x69, false } }, { 189, { 0x6A, false } }, { 190, { 0x6B, false } }, { 191, { 0x6C, false } },
    { 192, { 0x6D, false } }, { 193, { 0x6E, false } }, // F23
    { 194, { 0x76, false } }, // F24
};
} // namespace

ScanCode scanCodeFromEvdev(unsigned evdevCode)
{
    for (const EvdevRow& row : rows) {
        if (row.evdev == evdevCode)
            return row.code;
    }
    if (evdevCode >= 1 && evdevCode <= lastDirectCode && evdevCode != 84 && evdevCode != 85)
        return { std::uint8_t(evdevCode), false };
    return {};
}
