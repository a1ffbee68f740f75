// Macro library, macro encoding and key definitions. Placeholder bodies until the macro
// subsystem lands: they answer as with an empty library.
#include "bridge/myqquickview.h"

void myQQuickView::z4_0FH_SetMacroKey(QVariant, QVariant) { }
void myQQuickView::loadMacroIniFromFile(QVariant) { }
void myQQuickView::saveMacroIniToFile(QVariant) { }
void myQQuickView::renameMacroIniFile(QVariant, QVariant) { }
QVariant myQQuickView::createMacroIni()
{
    return QString();
}
QVariant myQQuickView::deleteMacroIni(QVariant)
{
    return false;
}
QStringList myQQuickView::getMacroIniNames()
{
    return {};
}
QVariant myQQuickView::saveMacroIni(QVariant, QStringList)
{
    return false;
}
QStringList myQQuickView::loadMacroIni(QVariant)
{
    return {};
}
QVariantList myQQuickView::loadMacroIniConfig(QVariant)
{
    return {};
}
void myQQuickView::setMacroIniConfig(QVariant, QVariantList) { }
QVariantList myQQuickView::getKeydefine(QVariant)
{
    return {};
}
QList<uchar> myQQuickView::macroIncode(QStringList)
{
    return {};
}
