// The user's pointer settings through SystemParametersInfoW; every change is saved in the
// user's profile and broadcast to all windows.
#include "system/pointerbackend.h"

#include <windows.h>

namespace {
constexpr UINT saveAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

class WindowsPointerBackend : public PointerBackend {
public:
    bool getMouse(MouseValues& values) override
    {
        int mouse[3] = {};
        if (!SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0))
            return false;
        values = { mouse[0], mouse[1], mouse[2] };
        return true;
    }

    bool setMouse(const MouseValues& values) override
    {
        int mouse[3] = { values.threshold1, values.threshold2, values.acceleration };
        return SystemParametersInfoW(SPI_SETMOUSE, 0, mouse, saveAndBroadcast) != FALSE;
    }

    bool setMouseSpeed(int speed) override
    {
        // The speed travels as the pointer argument itself.
        return SystemParametersInfoW(SPI_SETMOUSESPEED, 0,
                   reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)), saveAndBroadcast)
            != FALSE;
    }

    bool setWheelScrollLines(unsigned lines) override
    {
        return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, saveAndBroadcast) != FALSE;
    }

    bool setDoubleClickTime(unsigned milliseconds) override
    {
        return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, saveAndBroadcast)
            != FALSE;
    }
};
} // namespace

std::unique_ptr<PointerBackend> createSystemPointerBackend()
{
    return std::make_unique<WindowsPointerBackend>();
}
