// Platform-independent half of the input capture: the translation tables and the keyboard
// and mouse procedures. The platform files feed them (hooks on Windows, X input on Linux).
#include "system/inputhook.h"

#include "system/inputsources.h"

namespace {
struct ScanRow {
    std::uint16_t scan; // scan code << 8 | extended bit
    std::uint8_t vk;
};
struct UsageRow {
    std::uint8_t vk;
    std::uint8_t usage;
};

constexpr std::uint16_t key(std::uint8_t scan, bool extended = false)
{
    return std::uint16_t(scan << 8 | (extended ? 1 : 0));
}

// Scan code set 1 with the E0 prefix as the extended bit, to the system's virtual key.
constexpr ScanRow scanRows[] = {
    { key(0x01), 0x1B }, // Esc
    { key(0x02), 0x31 }, { key(0x03), 0x32 }, { key(0x04), 0x33 }, { key(0x05), 0x34 }, { key(0x06), 0x35 },
    { key(0x07), 0x36 }, { key(0x08), 0x37 }, { key(0x09), 0x38 }, { key(0x0A), 0x39 }, { key(0x0B), 0x30 },
    { key(0x0C), 0xBD }, { key(0x0D), 0xBB }, // minus, equals
    { key(0x0E), 0x08 }, { key(0x0F), 0x09 }, // Backspace, Tab
    { key(0x10), 'Q' }, { key(0x11), 'W' }, { key(0x12), 'E' }, { key(0x13), 'R' }, { key(0x14), 'T' },
    { key(0x15), 'Y' }, { key(0x16), 'U' }, { key(0x17), 'I' }, { key(0x18), 'O' }, { key(0x19), 'P' },
    { key(0x1A), 0xDB }, { key(0x1B), 0xDD }, // brackets
    { key(0x1C), 0x0D }, // Enter
    { key(0x1C, true), 0x0E }, // keypad Enter, kept apart from Enter
    { key(0x1D), 0xA2 }, { key(0x1D, true), 0xA3 }, // Ctrl
    { key(0x1E), 'A' }, { key(0x1F), 'S' }, { key(0x20), 'D' }, { key(0x21), 'F' }, { key(0x22), 'G' },
    { key(0x23), 'H' }, { key(0x24), 'J' }, { key(0x25), 'K' }, { key(0x26), 'L' }, { key(0x27), 0xBA },
    { key(0x28), 0xDE }, { key(0x29), 0xC0 }, // semicolon, apostrophe, grave
    { key(0x2A), 0xA0 }, // left Shift
    { key(0x2B), 0xDC }, // backslash
    { key(0x2C), 'Z' }, { key(0x2D), 'X' }, { key(0x2E), 'C' }, { key(0x2F), 'V' }, { key(0x30), 'B' },
    { key(0x31), 'N' }, { key(0x32), 'M' }, { key(0x33), 0xBC }, { key(0x34), 0xBE },
    { key(0x35), 0xBF }, // comma, period, slash
    { key(0x35, true), 0x6F }, // keypad slash
    { key(0x36, true), 0xA1 }, // right Shift
    { key(0x37), 0x6A }, // keypad asterisk
    { key(0x37, true), 0x2C }, // Print Screen
    { key(0x38), 0xA4 }, { key(0x38, true), 0xA5 }, // Alt
    { key(0x39), 0x20 }, // Space
    { key(0x3A), 0x14 }, // Caps Lock
    { key(0x3B), 0x70 }, { key(0x3C), 0x71 }, { key(0x3D), 0x72 }, { key(0x3E), 0x73 }, { key(0x3F), 0x74 },
    { key(0x40), 0x75 }, { key(0x41), 0x76 }, { key(0x42), 0x77 }, { key(0x43), 0x78 }, { key(0x44), 0x79 },
    { key(0x57), 0x7A }, { key(0x58), 0x7B }, // F11, F12
    { key(0x6E), 0x86 }, // F23
    { key(0x45), 0x13 }, // Pause
    { key(0x45, true), 0x90 }, // Num Lock
    { key(0x46), 0x91 }, // Scroll Lock
    { key(0x47), 0x67 }, { key(0x48), 0x68 }, { key(0x49), 0x69 }, // keypad 7 8 9
    { key(0x4A), 0x6D }, // keypad minus
    { key(0x4B), 0x64 }, { key(0x4C), 0x65 }, { key(0x4D), 0x66 }, // keypad 4 5 6
    { key(0x4E), 0x6B }, // keypad plus
    { key(0x4F), 0x61 }, { key(0x50), 0x62 }, { key(0x51), 0x63 }, // keypad 1 2 3
    { key(0x52), 0x60 }, { key(0x53), 0x6E }, // keypad 0, keypad period
    { key(0x56), 0xE2 }, // extra ISO key
    { key(0x47, true), 0x24 }, { key(0x48, true), 0x26 }, { key(0x49, true), 0x21 }, // Home Up PgUp
    { key(0x4B, true), 0x25 }, { key(0x4D, true), 0x27 }, // Left Right
    { key(0x4F, true), 0x23 }, { key(0x50, true), 0x28 }, { key(0x51, true), 0x22 }, // End Down PgDn
    { key(0x52, true), 0x2D }, { key(0x53, true), 0x2E }, // Insert Delete
    { key(0x5B, true), 0x5B }, // left Windows key
    { key(0x5D, true), 0x5D }, // Application key
};

// Virtual key to USB HID usage (Keyboard/Keypad page).
constexpr UsageRow usageRows[] = {
    { 0x1B, 0x29 },
    { 0x31, 0x1E },
    { 0x32, 0x1F },
    { 0x33, 0x20 },
    { 0x34, 0x21 },
    { 0x35, 0x22 },
    { 0x36, 0x23 },
    { 0x37, 0x24 },
    { 0x38, 0x25 },
    { 0x39, 0x26 },
    { 0x30, 0x27 },
    { 0xBD, 0x2D },
    { 0xBB, 0x2E },
    { 0x08, 0x2A },
    { 0x09, 0x2B },
    { 0xDB, 0x2F },
    { 0xDD, 0x30 },
    { 0x0D, 0x28 },
    { 0x0E, 0x58 },
    { 0xA2, 0xE0 },
    { 0xA3, 0xE4 },
    { 0xBA, 0x33 },
    { 0xDE, 0x34 },
    { 0xC0, 0x35 },
    { 0xA0, 0xE1 },
    { 0xA1, 0xE5 },
    { 0xDC, 0x31 },
    { 0xBC, 0x36 },
    { 0xBE, 0x37 },
    { 0xBF, 0x38 },
    { 0x6F, 0x54 },
    { 0x6A, 0x55 },
    { 0x2C, 0x46 },
    { 0xA4, 0xE2 },
    { 0xA5, 0xE6 },
    { 0x20, 0x2C },
    { 0x14, 0x39 },
    { 0x70, 0x3A },
    { 0x71, 0x3B },
    { 0x72, 0x3C },
    { 0x73, 0x3D },
    { 0x74, 0x3E },
    { 0x75, 0x3F },
    { 0x76, 0x40 },
    { 0x77, 0x41 },
    { 0x78, 0x42 },
    { 0x79, 0x43 },
    { 0x7A, 0x44 },
    { 0x7B, 0x45 },
    { 0x86, 0x72 },
    { 0x13, 0x48 },
    { 0x90, 0x53 },
    { 0x91, 0x47 },
    { 0x67, 0x5F },
    { 0x68, 0x60 },
    { 0x69, 0x61 },
    { 0x6D, 0x56 },
    { 0x64, 0x5C },
    { 0x65, 0x5D },
    { 0x66, 0x5E },
    { 0x6B, 0x57 },
    { 0x61, 0x59 },
    { 0x62, 0x5A },
    { 0x63, 0x5B },
    { 0x60, 0x62 },
    { 0x6E, 0x63 },
    { 0xE2, 0x64 },
    { 0x24, 0x4A },
    { 0x26, 0x52 },
    { 0x21, 0x4B },
    { 0x25, 0x50 },
    { 0x27, 0x4F },
    { 0x23, 0x4D },
    { 0x28, 0x51 },
    { 0x22, 0x4E },
    { 0x2D, 0x49 },
    { 0x2E, 0x4C },
    { 0x5B, 0xE3 },
    { 0x5D, 0x65 },
    { 'A', 0x04 },
    { 'B', 0x05 },
    { 'C', 0x06 },
    { 'D', 0x07 },
    { 'E', 0x08 },
    { 'F', 0x09 },
    { 'G', 0x0A },
    { 'H', 0x0B },
    { 'I', 0x0C },
    { 'J', 0x0D },
    { 'K', 0x0E },
    { 'L', 0x0F },
    { 'M', 0x10 },
    { 'N', 0x11 },
    { 'O', 0x12 },
    { 'P', 0x13 },
    { 'Q', 0x14 },
    { 'R', 0x15 },
    { 'S', 0x16 },
    { 'T', 0x17 },
    { 'U', 0x18 },
    { 'V', 0x19 },
    { 'W', 0x1A },
    { 'X', 0x1B },
    { 'Y', 0x1C },
    { 'Z', 0x1D },
};

// Left, right and middle button messages, indexed by message − LButtonDown; 0 is not reported.
constexpr std::uint8_t buttonCodes[8] = { 0xF0, 0xF0, 0, 0xF1, 0xF1, 0, 0xF2, 0xF2 };
constexpr std::uint8_t buttonDown[8] = { 1, 0, 0, 1, 0, 0, 1, 0 };

constexpr std::uint8_t vkPause = 0x13;
constexpr std::uint8_t vkPrintScreen = 0x2C;

template <typename Map> typename Map::mapped_type lookup(const Map& map, typename Map::key_type k)
{
    const auto it = map.find(k);
    return it == map.end() ? 0 : it->second;
}
} // namespace

InputHook* InputHook::instance = nullptr;

InputHook::InputHook()
    : sources(createHookSources())
{
    instance = this;
}

InputHook::~InputHook()
{
    uninstall();
    receiver.reset();
    if (instance == this)
        instance = nullptr;
}

InputHook* InputHook::current()
{
    return instance;
}

bool InputHook::install()
{
    if (installed())
        uninstall();
    fillTables();
    if (sources->install(*this))
        return true;
    sources->uninstall();
    return false;
}

void InputHook::uninstall()
{
    sources->uninstall();
}

bool InputHook::installed() const
{
    return sources->installed();
}

void InputHook::fillTables()
{
    scanTable.clear();
    for (const ScanRow& row : scanRows)
        scanTable[row.scan] = row.vk;
    usageTable.clear();
    for (const UsageRow& row : usageRows)
        usageTable[row.vk] = row.usage;
}

void InputHook::setKeyCallback(KeyCallback fn, void* user)
{
    keyCallback = fn;
    keyUser = user;
}

void InputHook::setMouseCallback(MouseCallback fn, void* user)
{
    mouseCallback = fn;
    mouseUser = user;
}

std::uint8_t InputHook::keyboardProc(
    int code, std::uint32_t message, std::uint32_t scanCode, std::uint32_t flags)
{
    const std::uint8_t isDown = code == 0 && (message == KeyDown || message == SysKeyDown) ? 1 : 0;
    const std::uint32_t s = scanCode > 0xFF ? 0 : scanCode;
    const bool extended = flags & Extended;
    std::uint8_t vk = lookup(scanTable, std::uint16_t(s << 8 | (extended ? 1 : 0)));
    if (s == 0x46 && extended)
        vk = vkPause; // Ctrl+Break
    else if (s == 0x54 && (flags & AltDown))
        vk = vkPrintScreen; // Alt+Print Screen arrives as SysRq
    const std::uint8_t usage = vk ? lookup(usageTable, vk) : 0;
    if (usage == 0 || keyStates[usage] == isDown)
        return usage;
    keyStates[usage] = isDown;
    if (keyCallback)
        keyCallback(usage, isDown, keyUser);
    return usage;
}

void InputHook::mouseProc(std::uint32_t message, std::int32_t x, std::int32_t y)
{
    if (message < LButtonDown || message > MButtonUp)
        return;
    const std::uint32_t index = message - LButtonDown;
    if (buttonCodes[index] && mouseCallback)
        mouseCallback(buttonCodes[index], buttonDown[index], x, y, mouseUser);
}

void InputHook::setCopyDataCallback(CopyDataCallback fn, QCoreApplication* application, void* user)
{
    copyDataCallback = fn;
    copyDataUser = user;
    receiver.reset(); // the previous receiver goes, as a replaced filter would
    receiver = createCopyDataReceiver(*this, application);
}

bool InputHook::copyData(const CopyData& data)
{
    if (!copyDataCallback)
        return false;
    copyDataCallback(&data, copyDataUser);
    return true;
}
