#pragma once

#include <memory>

class InputHook;
class QCoreApplication;

// The platform's source of key and button events: hooks on Windows, X input on Linux.
// It feeds InputHook::keyboardProc and InputHook::mouseProc from the GUI thread.
class HookSources {
public:
    virtual ~HookSources() = default;
    // Both sources or none: after a failure nothing stays installed.
    virtual bool install(InputHook& hook) = 0;
    virtual void uninstall() = 0;
    virtual bool installed() const = 0;
};

// The platform's receiver of copy-data messages; it hands each one to InputHook::copyData.
class CopyDataReceiver {
public:
    virtual ~CopyDataReceiver() = default;
};

std::unique_ptr<HookSources> createHookSources();
std::unique_ptr<CopyDataReceiver> createCopyDataReceiver(InputHook& hook, QCoreApplication* application);
