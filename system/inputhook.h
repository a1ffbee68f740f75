#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>

class QCoreApplication;
class HookSources;
class CopyDataReceiver;

// A text message sent to the program by another process: the fields of a copy-data message.
// lpData holds cbData bytes; nothing may read past them.
struct CopyData {
    std::uintptr_t dwData = 0;
    std::uint32_t cbData = 0;
    const void* lpData = nullptr;
};

// System-wide capture of key and mouse-button transitions, reported as USB HID usage codes
// whichever window has the focus; nothing is swallowed. One instance per process: the
// system's procedures reach it without a context pointer. Lives on the GUI thread and never
// talks to the mouse. Key and mouse callbacks run inside the system's input path and must
// return quickly (queue, don't act); the copy-data callback may block, its sender waits.
class InputHook {
public:
    using KeyCallback = void (*)(std::uint8_t usage, std::uint8_t isDown, void* user);
    using MouseCallback
        = void (*)(std::uint8_t button, std::uint8_t isDown, std::int32_t x, std::int32_t y, void* user);
    using CopyDataCallback = void (*)(const CopyData* data, void* user);

    // Message codes of the system's keyboard and mouse procedures, shared by every platform.
    enum Message : std::uint32_t {
        KeyDown = 0x100,
        KeyUp = 0x101,
        SysKeyDown = 0x104,
        SysKeyUp = 0x105,
        LButtonDown = 0x201,
        LButtonUp = 0x202,
        RButtonDown = 0x204,
        RButtonUp = 0x205,
        MButtonDown = 0x207,
        MButtonUp = 0x208,
    };
    enum KeyFlag : std::uint32_t { Extended = 0x01, AltDown = 0x20 };

    InputHook();
    ~InputHook();
    InputHook(const InputHook&) = delete;
    InputHook& operator=(const InputHook&) = delete;

    // Fills the tables, then installs both sources; false (and nothing installed) when
    // either fails, e.g. without an X display. Tables are filled either way.
    bool install();
    void uninstall();
    bool installed() const;

    void setKeyCallback(KeyCallback fn, void* user);
    void setMouseCallback(MouseCallback fn, void* user);
    // Replaces the platform's receiver of copy-data messages: a native event filter on the
    // application (Windows) or the per-user local socket (Linux).
    void setCopyDataCallback(CopyDataCallback fn, QCoreApplication* application, void* user);

    // The keyboard procedure without the system's call chain: translates the scan code and
    // reports a change of the key's state. Returns the usage code, 0 for an unknown key.
    std::uint8_t keyboardProc(int code, std::uint32_t message, std::uint32_t scanCode, std::uint32_t flags);
    // The mouse procedure without the call chain: reports left, right and middle button
    // messages; everything else is ignored.
    void mouseProc(std::uint32_t message, std::int32_t x, std::int32_t y);
    // Hands a received message to the copy-data callback; false when none is registered.
    bool copyData(const CopyData& data);

    std::uint8_t keyState(std::uint8_t usage) const { return keyStates[usage]; }
    std::size_t scanTableSize() const { return scanTable.size(); }

    // The process-wide instance the system procedures report to.
    static InputHook* current();

private:
    void fillTables();

    static InputHook* instance;

    std::map<std::uint16_t, std::uint8_t> scanTable;
    std::map<std::uint8_t, std::uint8_t> usageTable;
    std::array<std::uint8_t, 256> keyStates {};

    KeyCallback keyCallback = nullptr;
    void* keyUser = nullptr;
    MouseCallback mouseCallback = nullptr;
    void* mouseUser = nullptr;
    CopyDataCallback copyDataCallback = nullptr;
    void* copyDataUser = nullptr;

    std::unique_ptr<HookSources> sources;
    std::unique_ptr<CopyDataReceiver> receiver;
};
