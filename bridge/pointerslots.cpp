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

// A refused setting is named in the action's message; its position is kept all the same.
void myQQuickView::setAcceleration(bool acceleration)
{
    if (!pointerSettings().setAcceleration(acceleration))
        noteRefused(-1, "POINTER ACCELERATION");
}

void myQQuickView::setCursorSpeed(uint cursorSpeed)
{
    if (!pointerSettings().setCursorSpeed(cursorSpeed))
        noteRefused(101, "CURSOR SPEED");
}

void myQQuickView::setVerticalScrollLines(uint lines)
{
    if (!pointerSettings().setVerticalScrollLines(lines))
        noteRefused(102, "VERTICAL SCROLL SPEED");
}

void myQQuickView::setDoubleClickSpeed(uint speed)
{
    if (!pointerSettings().setDoubleClickSpeed(speed))
        noteRefused(103, "DOUBLE CLICK SPEED");
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
