#pragma once

// hidapi wants hid_init() before handles are opened from several threads and hid_exit() once
// none is open any more. The program keeps one of these alive around everything that talks to
// the mouse.
class HidLibrary {
public:
    HidLibrary();
    ~HidLibrary();
    HidLibrary(const HidLibrary&) = delete;
    HidLibrary& operator=(const HidLibrary&) = delete;
};
