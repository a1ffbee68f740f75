// Raw key and button events of the whole X display, from a connection of our own. Raw events
// reach every client that selects them on the root window, whichever window has the focus,
// and nothing is taken away from the other clients.
#include "system/evdevscan.h"
#include "system/inputhook.h"
#include "system/inputsources.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {
constexpr int evdevOffset = 8; // X keycodes are evdev codes + 8
constexpr std::uint8_t leftAlt = 0xE2;
constexpr std::uint8_t rightAlt = 0xE6;

class XInputSources : public HookSources {
public:
    ~XInputSources() override { uninstall(); }

    bool install(InputHook& target) override
    {
        hook = &target;
        if (!QCoreApplication::instance())
            return false; // the events are read from the application's event loop
        display = XOpenDisplay(nullptr);
        if (!display || !hasXInput2() || !selectRawEvents())
            return false;
        notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read);
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this] { readEvents(); });
        return true;
    }

    void uninstall() override
    {
        delete notifier;
        notifier = nullptr;
        if (display)
            XCloseDisplay(display);
        display = nullptr;
    }

    bool installed() const override { return display != nullptr; }

private:
    bool hasXInput2()
    {
        int event = 0;
        int error = 0;
        if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
            return false;
        int major = 2;
        int minor = 1; // raw events reach non-grabbing clients from 2.1 on
        return XIQueryVersion(display, &major, &minor) == Success
            && (major > 2 || (major == 2 && minor >= 1));
    }

    bool selectRawEvents()
    {
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
        XIEventMask mask { XIAllMasterDevices, int(sizeof bits), bits };
        if (XISelectEvents(display, DefaultRootWindow(display), &mask, 1) != Success)
            return false;
        XSync(display, False);
        return true;
    }

    // Xlib may already hold events read during another request, so drain its queue too.
    void readEvents()
    {
        while (display && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != opcode
                || !XGetEventData(display, cookie))
                continue;
            handle(cookie->evtype, static_cast<const XIRawEvent*>(cookie->data)->detail);
            XFreeEventData(display, cookie);
        }
    }

    void handle(int type, int detail)
    {
        switch (type) {
        case XI_RawKeyPress:
        case XI_RawKeyRelease:
            key(detail - evdevOffset, type == XI_RawKeyPress);
            break;
        case XI_RawButtonPress:
        case XI_RawButtonRelease:
            button(detail, type == XI_RawButtonPress);
            break;
        }
    }

    void key(int evdev, bool pressed)
    {
        if (evdev <= 0)
            return;
        const ScanCode code = scanCodeFromEvdev(unsigned(evdev));
        std::uint32_t flags = code.extended ? std::uint32_t(InputHook::Extended) : 0u;
        if (hook->keyState(leftAlt) || hook->keyState(rightAlt))
            flags |= InputHook::AltDown;
        hook->keyboardProc(0, pressed ? InputHook::KeyDown : InputHook::KeyUp, code.scan, flags);
    }

    // X buttons 1, 2, 3 are left, middle, right; wheel steps and side buttons are not reported.
    void button(int number, bool pressed)
    {
        static constexpr std::uint32_t messages[3][2] = {
            { InputHook::LButtonUp, InputHook::LButtonDown },
            { InputHook::MButtonUp, InputHook::MButtonDown },
            { InputHook::RButtonUp, InputHook::RButtonDown },
        };
        if (number < 1 || number > 3)
            return;
        int x = 0;
        int y = 0;
        pointerPosition(x, y);
        hook->mouseProc(messages[number - 1][pressed ? 1 : 0], x, y);
    }

    void pointerPosition(int& x, int& y)
    {
        Window root = 0;
        Window child = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned int mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &windowX, &windowY, &mask);
    }

    InputHook* hook = nullptr;
    Display* display = nullptr;
    QSocketNotifier* notifier = nullptr;
    int opcode = 0;
};
} // namespace

std::unique_ptr<HookSources> createHookSources()
{
    return std::make_unique<XInputSources>();
}
