#pragma once

#include <memory>

// The operating system's pointer settings, in the system's own units. Every call is
// synchronous and returns false when the system refused it or has no such setting; a
// refused call leaves the system as it was. Free of Qt so the Windows side builds alone.
class PointerBackend {
public:
    // The three mouse values: two acceleration thresholds, then the acceleration itself.
    struct MouseValues {
        int threshold1 = 0;
        int threshold2 = 0;
        int acceleration = 0;
    };

    virtual ~PointerBackend() = default;

    virtual bool getMouse(MouseValues& values) = 0;
    virtual bool setMouse(const MouseValues& values) = 0;
    virtual bool setMouseSpeed(int speed) = 0; // 1 (slowest) to 20
    virtual bool setWheelScrollLines(unsigned lines) = 0;
    virtual bool setDoubleClickTime(unsigned milliseconds) = 0;
};

// The backend of the platform the program was built for.
std::unique_ptr<PointerBackend> createSystemPointerBackend();
