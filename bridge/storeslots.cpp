// Profile store, configuration and device-facing slots of the bridge.
// Placeholder bodies until the store lands: they answer as with an empty store.
#include "bridge/myqquickview.h"

void myQQuickView::refresh() { }
void myQQuickView::loadProfiles() { }
void myQQuickView::saveProfiles() { }

QVariant myQQuickView::z4_getApConfig(QString)
{
    return 0;
}
QVariantList myQQuickView::z4_getDefaultProfile(QString, uchar)
{
    return {};
}
void myQQuickView::z4_loadProfile(int) { }
void myQQuickView::z4_saveProfile(int) { }
void myQQuickView::z4_resetProfile(int) { }
void myQQuickView::z4_SetDirty_Profile(uchar) { }
void myQQuickView::z4_SetDirty_Matrix(uchar) { }
void myQQuickView::z4_SetDirty_Other(uchar) { }
uint myQQuickView::z4_GetMaxDpiStage()
{
    return 0;
}
void myQQuickView::z4_02H_SetCurrentProfile(uchar) { }
void myQQuickView::z4_03H_SetReportRate(uchar) { }
void myQQuickView::z4_04H_SetDPIStage(uchar) { }
void myQQuickView::z4_0CH_SetRGBLedEffect(uchar, uchar, uchar) { }
void myQQuickView::z4_0CH_SetDpi8Color(QVariantList) { }
void myQQuickView::z4_0CH_SetDpi8Io(QVariantList) { }
void myQQuickView::z4_0CH_SetDpi8Stage(QVariantList) { }
void myQQuickView::z4_0DH_SetKeyMatrix(QVariantList) { }
void myQQuickView::z4_SetLED8StageColor(QVariantList) { }
uchar myQQuickView::z4_82H_GetCurrentProfile()
{
    return 0;
}
uchar myQQuickView::z4_83H_GetReportRate()
{
    return 0;
}
uchar myQQuickView::z4_84H_GetDPIStage()
{
    return 0;
}
uchar myQQuickView::z4_89H_GetRGBLedTwinkle()
{
    return 0;
}
QVariantList myQQuickView::z4_8CH_GetRGBLedEffect()
{
    return {};
}
QVariantList myQQuickView::z4_8CH_GetDpi8Color()
{
    return {};
}
QVariantList myQQuickView::z4_8CH_GetDpi8Io()
{
    return {};
}
QVariantList myQQuickView::z4_8CH_GetDpi8Stage()
{
    return {};
}
QVariantList myQQuickView::z4_GetLED8StageColor()
{
    return {};
}
void myQQuickView::saveApConfig(QVariantList) { }
QVariantList myQQuickView::loadApConfig()
{
    return {};
}
void myQQuickView::resetApconfig() { }
