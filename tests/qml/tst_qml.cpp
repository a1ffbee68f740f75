#include <QtQuickTest>

QUICK_TEST_MAIN(z4scene)
