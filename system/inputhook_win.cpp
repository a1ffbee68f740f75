// Low-level keyboard and mouse hooks. Their procedures get no context pointer, so they report
// to the process-wide InputHook and always pass the event on unchanged.
#include "system/inputhook.h"
#include "system/inputsources.h"

#include <windows.h>

namespace {
HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;

LRESULT CALLBACK keyboardProcedure(int code, WPARAM message, LPARAM lParam)
{
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (InputHook* hook = InputHook::current(); hook && info)
        hook->keyboardProc(code, UINT(message), info->scanCode, info->flags);
    return CallNextHookEx(keyboardHook, code, message, lParam);
}

LRESULT CALLBACK mouseProcedure(int code, WPARAM message, LPARAM lParam)
{
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (InputHook* hook = InputHook::current(); hook && info)
        hook->mouseProc(UINT(message), info->pt.x, info->pt.y);
    return CallNextHookEx(mouseHook, code, message, lParam);
}

class WindowsHooks : public HookSources {
public:
    bool install(InputHook&) override
    {
        keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProcedure, GetModuleHandleW(nullptr), 0);
        mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProcedure, GetModuleHandleW(nullptr), 0);
        return keyboardHook && mouseHook;
    }

    // Forgets the handles too, so a second removal never reaches a stale one.
    void uninstall() override
    {
        if (keyboardHook)
            UnhookWindowsHookEx(keyboardHook);
        if (mouseHook)
            UnhookWindowsHookEx(mouseHook);
        keyboardHook = nullptr;
        mouseHook = nullptr;
    }

    bool installed() const override { return keyboardHook || mouseHook; }
};
} // namespace

std::unique_ptr<HookSources> createHookSources()
{
    return std::make_unique<WindowsHooks>();
}
