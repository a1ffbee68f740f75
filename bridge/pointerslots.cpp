// Pointer settings of the current profile. Placeholder bodies until the system layer lands.
#include "bridge/myqquickview.h"

void myQQuickView::setAcceleration(bool) { }
void myQQuickView::setCursorSpeed(uint) { }
void myQQuickView::setVerticalScrollLines(uint) { }
void myQQuickView::setDoubleClickSpeed(uint) { }
bool myQQuickView::getAcceleration()
{
    return false;
}
uint myQQuickView::getCursorSpeed()
{
    return 0;
}
uint myQQuickView::getVerticalScrollLines()
{
    return 0;
}
uint myQQuickView::getDoubleClickSpeed()
{
    return 0;
}
