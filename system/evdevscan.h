#pragma once

#include <cstdint>

// Linux evdev key code (X keycode − 8) to the scan code and extended bit that the keyboard
// procedure expects (set 1, the E0 prefix as the extended bit). Keys without a set-1 code
// give scan code 0, which the procedure ignores.
struct ScanCode {
    std::uint8_t scan = 0;
    bool extended = false;
};

ScanCode scanCodeFromEvdev(unsigned evdevCode);
