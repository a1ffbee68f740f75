// Key and button reports from the input capture, queued to the scene so that they run from
// the event loop in the order they happened.
#include "bridge/myqquickview.h"

void myQQuickView::forwardKeyboard(bool isDown, int usbCode)
{
    invokeRoot("detectKeyboard", Qt::QueuedConnection, { QVariant(isDown), QVariant(usbCode) });
}

void myQQuickView::forwardMouse(bool isDown, int buttonCode, uint x, uint y)
{
    invokeRoot("detectMouse", Qt::QueuedConnection,
        { QVariant(isDown), QVariant(buttonCode), QVariant(x), QVariant(y) });
}
