// Language packs. Placeholder bodies until the language subsystem lands.
#include "bridge/myqquickview.h"

QStringList myQQuickView::z4_getProductLayoutStrings(QString)
{
    return {};
}
QVariantMap myQQuickView::chkLanguages()
{
    return {};
}
QStringList myQQuickView::getGlobalStrings(QString)
{
    return {};
}
