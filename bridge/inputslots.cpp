// Key and button reports from the input capture, queued to the scene.
#include "bridge/myqquickview.h"

void myQQuickView::forwardKeyboard(bool, int) { }
void myQQuickView::forwardMouse(bool, int, uint, uint) { }
