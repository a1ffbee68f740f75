// Pointer settings of the current profile: setters apply them to the system and record the
// slider position in the profile file; getters read the file only.
#include "bridge/myqquickview.h"
#include "system/pointerbackend.h"
#include "system/pointersettings.h"

#include <QSettings>

namespace {
PointerBackend& systemPointer()
{
    static const std::unique_ptr<PointerBackend> backend = createSystemPointerBackend();
    return *backend;
}
} // namespace

PointerSettings myQQuickView::pointerSettings() const
{
    return PointerSettings(*profileFile, store->curProfile(), systemPointer());
}

void myQQuickView::setAcceleration(bool acceleration)
{
    pointerSettings().setAcceleration(acceleration);
}

void myQQuickView::setCursorSpeed(uint cursorSpeed)
{
    pointerSettings().setCursorSpeed(cursorSpeed);
}

void myQQuickView::setVerticalScrollLines(uint lines)
{
    pointerSettings().setVerticalScrollLines(lines);
}

void myQQuickView::setDoubleClickSpeed(uint speed)
{
    pointerSettings().setDoubleClickSpeed(speed);
}

bool myQQuickView::getAcceleration()
{
    return pointerSettings().acceleration();
}

uint myQQuickView::getCursorSpeed()
{
    return pointerSettings().cursorSpeed();
}

uint myQQuickView::getVerticalScrollLines()
{
    return pointerSettings().verticalScrollLines();
}

uint myQQuickView::getDoubleClickSpeed()
{
    return pointerSettings().doubleClickSpeed();
}
